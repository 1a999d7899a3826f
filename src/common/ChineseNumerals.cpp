#include "ChineseNumerals.h"

#include "TextRuns.h"

#include <QList>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

int DigitOf(QChar c)
{
    switch (c.unicode()) {
    case u'〇':
    case u'零':
        return 0;
    case u'一':
    case u'壹':
        return 1;
    case u'二':
    case u'两':
    case u'兩':
    case u'贰':
    case u'貳':
        return 2;
    case u'三':
    case u'叁':
    case u'參':
        return 3;
    case u'四':
    case u'肆':
        return 4;
    case u'五':
    case u'伍':
        return 5;
    case u'六':
    case u'陆':
    case u'陸':
        return 6;
    case u'七':
    case u'柒':
        return 7;
    case u'八':
    case u'捌':
        return 8;
    case u'九':
    case u'玖':
        return 9;
    default:
        return -1;
    }
}

qint64 UnitOf(QChar c)
{
    switch (c.unicode()) {
    case u'十':
    case u'拾':
        return 10;
    case u'百':
    case u'佰':
        return 100;
    case u'千':
    case u'仟':
        return 1000;
    case u'万':
    case u'萬':
        return 10000;
    case u'亿':
    case u'億':
        return 100000000;
    default:
        return 0;
    }
}

constexpr qsizetype longestRun = 18; // within qint64, whichever way it is written

} // namespace

bool IsChineseNumeral(QChar c)
{
    // Below 〇 at once: the names of a large listing are mostly ASCII.
    return c.unicode() >= u'〇' && (DigitOf(c) >= 0 || UnitOf(c) > 0);
}

std::optional<qint64> ChineseNumeralValue(QStringView run)
{
    if (run.isEmpty() || run.size() > longestRun)
        return std::nullopt;
    // Digits alone, one a place: 二〇一九.
    if (std::none_of(run.begin(), run.end(), [](QChar c) { return UnitOf(c) > 0; })) {
        qint64 value = 0;
        for (const QChar c : run)
            value = value * 10 + DigitOf(c);
        return value;
    }
    qint64 total = 0;   // of the sections closed by 万 or 亿
    qint64 section = 0; // below 万
    int digit = -1;     // waiting for its unit
    for (const QChar c : run) {
        if (const int d = DigitOf(c); d >= 0) {
            if (digit > 0)
                return std::nullopt; // 三四十: thirty or forty, no one number
            digit = d;
            continue;
        }
        const qint64 unit = UnitOf(c);
        if (unit < 10000) {
            // 十 alone stands for 一十 (零十 too); 百 and 千 alone are words (百度, 千寻).
            if (digit <= 0 && unit != 10)
                return std::nullopt;
            section += std::max(digit, 1) * unit;
        } else {
            section += std::max(digit, 0);
            if (section == 0 && total == 0)
                return std::nullopt; // 万 alone
            if (total + section > std::numeric_limits<qint64>::max() / unit)
                return std::nullopt;
            total = unit == 10000 ? total + section * unit : (total + section) * unit;
            section = 0;
        }
        digit = -1;
    }
    return total + section + std::max(digit, 0);
}

QString ChineseNumeralsAsDigits(const QString& text)
{
    if (std::none_of(text.begin(), text.end(), IsChineseNumeral))
        return text;
    return RewriteRuns(text, IsChineseNumeral, [](QStringView run, qsizetype) {
        const std::optional<qint64> value = ChineseNumeralValue(run);
        return value ? QString::number(*value) : run.toString();
    });
}

QString ChineseNumeralOf(qint64 number, bool capitals)
{
    const QStringView digits = capitals ? u"零壹贰叁肆伍陆柒捌玖" : u"零一二三四五六七八九";
    const QStringView units = capitals ? u"拾佰仟" : u"十百千";
    if (number == 0)
        return QString(digits[0]);
    // Four digits a section, from the lowest: each section, then 万 or 亿 above it.
    QList<int> sections;
    for (qint64 rest = number; rest > 0; rest /= 10000)
        sections.prepend(int(rest % 10000));
    QString text;
    bool zeroPending = false;
    for (qsizetype s = 0; s < sections.size(); ++s) {
        const int section = sections[s];
        const qsizetype fromTop = sections.size() - 1 - s;
        if (section == 0) {
            zeroPending = !text.isEmpty();
            continue;
        }
        // Places inside the section, thousands first; a gap before a digit reads 零.
        for (int place = 3, divisor = 1000; place >= 0; --place, divisor /= 10) {
            const int digit = section / divisor % 10;
            if (digit == 0) {
                zeroPending = zeroPending || !text.isEmpty();
                continue;
            }
            if (zeroPending && !text.isEmpty())
                text += digits[0];
            zeroPending = false;
            const bool leadingTen = text.isEmpty() && place == 1 && digit == 1 && !capitals;
            if (!leadingTen)
                text += digits[digit];
            if (place > 0)
                text += units[place - 1];
        }
        zeroPending = false;
        if (fromTop > 0)
            text += fromTop == 1 ? u"万"_s : fromTop == 2 ? u"亿"_s : u"万亿"_s;
    }
    return text;
}
