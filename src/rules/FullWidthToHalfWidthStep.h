#pragma once

#include "RuleStep.h"

// 全角转半角: full-width letters, digits and ASCII punctuation, and the full-width space.
// The full-width stand-ins for characters that names may not hold (：？＊＂＜＞｜／＼) stay.
class FullWidthToHalfWidthStep : public RuleStep
{
public:
    explicit FullWidthToHalfWidthStep(const StepSettings&) {}
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;
};
