#pragma once

#include "RuleStep.h"

// 添加文字: text before or after the name, or at a position counted from its start or end.
class AddTextStep : public RuleStep
{
public:
    explicit AddTextStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;

private:
    QString m_text;
    TextPlace m_place;
};
