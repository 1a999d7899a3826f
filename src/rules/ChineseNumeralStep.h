#pragma once

#include "RuleStep.h"

// 中文数字: Chinese numerals written in digits (第十二集 → 第12集), or digits in Chinese
// numerals (第12集 → 第十二集, or in capitals 第壹拾贰集). A run of Chinese numerals counts as a
// number after 第, before a counter word (集, 季, 部, 卷, 册, 期, 章, 回, 年, 月 …) or where no
// other Chinese character touches it; inside a word (一些, 统一, 十分) it stays as it is.
class ChineseNumeralStep : public RuleStep
{
public:
    explicit ChineseNumeralStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;

private:
    bool m_toDigits;
    bool m_capitals;
};
