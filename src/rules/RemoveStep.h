#pragma once

#include "RuleStep.h"

// 删除: the first and last characters, the chosen brackets with the text between them (or the
// brackets alone), and leading and trailing spaces (the full-width space too).
class RemoveStep : public RuleStep
{
public:
    explicit RemoveStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;

    // Every pair the step can remove, opening then closing character.
    static const QString& allBrackets();

private:
    QString withoutBrackets(const QString& name) const;

    int m_first;
    int m_last;
    QString m_brackets; // the chosen pairs, as in allBrackets()
    bool m_bracketsOnly;
    bool m_trim;
};
