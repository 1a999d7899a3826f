#pragma once

#include "RuleStep.h"

// 替换文字: every occurrence, left to right, with or without regard to letter case; replacing
// with nothing removes.
class ReplaceTextStep : public RuleStep
{
public:
    explicit ReplaceTextStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;

private:
    QString m_find;
    QString m_replaceWith;
    Qt::CaseSensitivity m_case;
};
