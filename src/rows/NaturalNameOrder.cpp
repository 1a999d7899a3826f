#include "NaturalNameOrder.h"

#include "platform/ChineseText.h"

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

QCollator ChineseCollator()
{
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

bool PassesCheck(const QCollator& collator)
{
    return collator.compare(u"2"_s, u"10"_s) < 0 && collator.compare(u"阿"_s, u"北"_s) < 0 &&
           collator.compare(u"文件2"_s, u"文件10"_s) < 0;
}

// The digit run starting at i: where it ends, and its digits without leading zeros.
qsizetype DigitRunEnd(QStringView text, qsizetype i)
{
    while (i < text.size() && text[i].digitValue() >= 0)
        ++i;
    return i;
}

// A character as the comparison sees it: full-width forms as their ASCII ones, case folded.
char32_t SortUnit(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit >= 0xFF01 && unit <= 0xFF5E)
        return QChar::toCaseFolded(char32_t(unit - 0xFEE0));
    return QChar::toCaseFolded(char32_t(unit));
}

} // namespace

NaturalNameOrder::NaturalNameOrder()
{
    static const bool systemPasses = PassesCheck(ChineseCollator());
    if (systemPasses)
        m_collator = ChineseCollator();
}

int NaturalNameOrder::compare(const QString& a, const QString& b) const
{
    return m_collator ? m_collator->compare(a, b) : CompareNaturally(a, b);
}

std::vector<int> NaturalNameOrder::sortedPositions(const std::vector<QString>& names) const
{
    std::vector<int> positions(names.size());
    std::iota(positions.begin(), positions.end(), 0);
    if (!m_collator) {
        std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
            return CompareNaturally(names[size_t(a)], names[size_t(b)]) < 0;
        });
        return positions;
    }
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString& name : names)
        keys.push_back(m_collator->sortKey(name));
    std::stable_sort(positions.begin(), positions.end(),
                     [&](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    return positions;
}

int CompareNaturally(QStringView a, QStringView b)
{
    if (a.data() == b.data() && a.size() == b.size())
        return 0; // one string shared, as the rows of one folder share their parent's path
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].digitValue() >= 0 && b[j].digitValue() >= 0) {
            // By value: fewer significant digits first, then digit by digit.
            const qsizetype aEnd = DigitRunEnd(a, i);
            const qsizetype bEnd = DigitRunEnd(b, j);
            while (i + 1 < aEnd && a[i].digitValue() == 0)
                ++i;
            while (j + 1 < bEnd && b[j].digitValue() == 0)
                ++j;
            if (aEnd - i != bEnd - j)
                return aEnd - i < bEnd - j ? -1 : 1;
            for (; i < aEnd; ++i, ++j) {
                if (a[i].digitValue() != b[j].digitValue())
                    return a[i].digitValue() < b[j].digitValue() ? -1 : 1;
            }
            continue;
        }
        const char32_t x = SortUnit(a[i]);
        const char32_t y = SortUnit(b[j]);
        if (x != y && QChar::script(x) == QChar::Script_Han &&
            QChar::script(y) == QChar::Script_Han) {
            // Common characters stand in pinyin order in the GBK code page.
            const QByteArray xBytes = GbkBytes(a.sliced(i, 1));
            const QByteArray yBytes = GbkBytes(b.sliced(j, 1));
            if (!xBytes.isEmpty() && !yBytes.isEmpty())
                return xBytes < yBytes ? -1 : 1;
        }
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return 0;
}
