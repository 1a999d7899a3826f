#pragma once

#include "RuleStep.h"

// 数字补零: every run of digits 0-9 in the name padded with zeros to a width (第1集 → 第01集),
// or to the digits of the longest run in the list's names; longer runs stay as they are.
class PadNumbersStep : public RuleStep
{
public:
    explicit PadNumbersStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;
    bool readsContext() const override { return m_width == 0; }

private:
    int m_width; // 0: as wide as the longest run in the list
};

// Digits in the longest run of 0-9 in the name.
int WidestNumber(QStringView name);
