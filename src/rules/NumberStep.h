#pragma once

#include "RuleStep.h"

// 序号: numbers in the list's order (or restarting in each parent folder), before or after
// the name or at a position counted from its start or end, padded with zeros to a fixed width
// or to the digits of the largest number.
class NumberStep : public RuleStep
{
public:
    explicit NumberStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    bool readsContext() const override { return true; }
    QString inWords() const override;

private:
    qint64 m_start;
    qint64 m_step;
    int m_width; // 0: as many digits as the largest number has
    TextPlace m_place;
    bool m_perParent;
    QString m_separator;
};
