#pragma once

#include "RuleStep.h"

// 拼音: Chinese characters in pinyin, with tone marks or without, or their initials, syllables
// apart or not, capitalised or not; characters that are not Chinese stay. The readings come
// from Rime's Terra Pinyin dictionary, phrase by phrase (the longest phrase it knows first,
// looked up in traditional characters through OpenCC, as the dictionary writes them), so that
// 银行 reads yínháng and 重庆 chóngqìng; a character on its own takes its most frequent reading.
class PinyinStep : public RuleStep
{
public:
    explicit PinyinStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;
    QString problem() const override;

private:
    enum class Style { Plain, Toned, Initials };
    QString syllable(QStringView reading) const;

    Style m_style;
    QString m_separator;
    bool m_capitals;
};
