#pragma once

#include <QJsonArray>
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

    // The selected rule's own text is blank: there is nothing to preview.
    bool isBlank() const;
    // The rule as a step list of one step.
    QJsonArray steps() const;
};
