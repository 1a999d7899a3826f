#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>

#include "common/NameList.h"

#include <memory>
#include <optional>
#include <span>
#include <thread>
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

// Puts names in natural order while more are still being read: each batch is keyed and sorted
// on a thread of the sorter's own as it comes, and merged with those before it, so that little
// is left to do when the last one has come.
class NaturalNameSorter
{
public:
    NaturalNameSorter();
    ~NaturalNameSorter();
    NaturalNameSorter(const NaturalNameSorter&) = delete;
    NaturalNameSorter& operator=(const NaturalNameSorter&) = delete;

    // From one thread at a time, not the sorter's own.
    void add(NameList names);
    // The positions of all the names added, in the order of NaturalNameOrder::sortedPositions.
    // Once.
    std::vector<int> finish();
    // The names added, in the order they were; after finish().
    NameList takeNames();

private:
    struct Batches;
    std::unique_ptr<Batches> m_batches;
    std::thread m_thread;
};

// The program's own comparison, used where the system's collation fails its check.
int CompareNaturally(QStringView a, QStringView b);
