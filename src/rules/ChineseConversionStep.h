#pragma once

#include "RuleStep.h"

// The text in traditional (or simplified) characters, phrase by phrase; nothing where OpenCC's
// dictionaries cannot be found.
std::optional<QString> ConvertedChinese(const QString& text, bool toTraditional);

// 繁体转简体 / 简体转繁体, phrase by phrase, through OpenCC's dictionaries.
class ChineseConversionStep : public RuleStep
{
public:
    explicit ChineseConversionStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;
    QString problem() const override;

private:
    bool m_toTraditional;
};
