#pragma once

#include <QCollator>
#include <QString>

#include <optional>
#include <span>
#include <vector>

// Names as a person orders them: numbers by their value (full-width digits too), letters
// without regard to case, Chinese by pinyin. Through the system's collation for zh_CN when
// it passes a check ("2" before "10", "阿" before "北"), otherwise by the program's own
// comparison: numbers the same way, common Chinese characters in the GBK code page's
// (pinyin) order, others by code point.
class NaturalNameOrder
{
public:
    NaturalNameOrder();

    // The system's collation when it passed, for sort keys computed once per name.
    const QCollator* systemCollation() const { return m_collator ? &*m_collator : nullptr; }
    // Negative, zero or positive as a sorts before, with or after b.
    int compare(const QString& a, const QString& b) const;
    // The positions of the names in their order, names that compare equal (or equal but for
    // letter case) in theirs; sort keys computed once a name.
    std::vector<int> sortedPositions(std::span<const QString> names) const;

private:
    std::optional<QCollator> m_collator;
};

// The program's own comparison, used where the system's collation fails its check.
int CompareNaturally(QStringView a, QStringView b);
