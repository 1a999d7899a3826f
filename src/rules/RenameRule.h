#pragma once

#include <QString>

// One rename rule, as chosen in the rename dialog.
struct RenameRule
{
    enum class Kind { Append, Prepend, Replace };

    Kind kind = Kind::Append;
    QString appendText;  // Text1
    QString prependText; // Text2
    QString findText;    // Text3
    QString replaceWith; // Text4

    // The text the blank test looks at: the selected rule's own.
    const QString& ruleText() const;
    // What the rule does, as a sentence for the record and its history.
    QString inWords() const;
};
