#pragma once

#include <QString>

#include <optional>

// Chinese numerals: the digits 〇 零 一 二 两 … 九, their capitals 壹 贰 … 玖 (and traditional
// forms), and the units 十 百 千 万 亿 (拾 佰 仟 萬 億).
bool IsChineseNumeral(QChar c);

// The number a run of Chinese numerals writes: "十二" 12, "一百零五" 105, "二〇一九" 2019;
// nothing for a run that writes none ("三四十", "百" alone) or one too large.
std::optional<qint64> ChineseNumeralValue(QStringView run);

// The number in Chinese numerals: 12 十二, 105 一百零五, 2019 二千零一十九; in capitals
// 壹拾贰 (a leading 一十 is written 十 only in the common form). From 0 to below 10^16.
QString ChineseNumeralOf(qint64 number, bool capitals = false);

// The text with every run of Chinese numerals that writes a number in digits
// ("第十二集" → "第12集"); the text itself, shared, where it has none.
QString ChineseNumeralsAsDigits(const QString& text);
