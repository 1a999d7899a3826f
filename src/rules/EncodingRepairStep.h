#pragma once

#include "RuleStep.h"

// 编码修复: a name whose bytes are not UTF-8 but are valid GB18030 (GBK names from old
// archives and Windows disks) becomes the same text, written in UTF-8. Other names stay.
class EncodingRepairStep : public RuleStep
{
public:
    explicit EncodingRepairStep(const StepSettings&) {}
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;
};
