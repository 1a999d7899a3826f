#pragma once

#include "RuleStep.h"

#include <QRegularExpression>

// 正则替换: every match of a regular expression, replaced by text in which \1 or $1 stands for
// the first capture group (\0 or $0 for the whole match). A pattern may take only so many
// steps on a name, so that none can hold the window or a pass: a name it cannot finish within
// them has no new name.
class RegexReplaceStep : public RuleStep
{
public:
    explicit RegexReplaceStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;
    QString problem() const override;

private:
    QString replacementFor(const QRegularExpressionMatch& match) const;

    QString m_source; // as the user wrote it
    QRegularExpression m_pattern;
    QString m_replaceWith;
};
