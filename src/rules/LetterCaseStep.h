#pragma once

#include "RuleStep.h"

// 大小写: Latin letters to lower case, to upper case, or each word's first letter upper.
class LetterCaseStep : public RuleStep
{
public:
    explicit LetterCaseStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;

private:
    enum class Case { Lower, Upper, Words };
    Case m_case;
};
