#include "NaturalNameOrder.h"

#include "common/ChineseNumerals.h"
#include "platform/ChineseText.h"

#include <QtEndian>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <numeric>
#include <string>
#include <string_view>

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

// Names of printable ASCII alone (most folder names in a large listing) sort by a key the
// program makes itself, some ten times faster than the collator's: each character by its place
// in the collator's own order of ASCII, a digit run as its value. Used only where the collator
// agrees with it on every pair of a set of names that tell the rules apart.
class AsciiSortKeys
{
public:
    explicit AsciiSortKeys(const QCollator& collator)
    {
        std::vector<char> characters;
        for (char c = ' '; c <= '~'; ++c)
            characters.push_back(c);
        const auto compare = [&](char a, char b) {
            return collator.compare(QString(QLatin1Char(a)), QString(QLatin1Char(b)));
        };
        std::stable_sort(characters.begin(), characters.end(),
                         [&](char a, char b) { return compare(a, b) < 0; });
        quint8 rank = 1;
        for (size_t i = 0; i < characters.size(); ++i) {
            rank += i > 0 && compare(characters[i - 1], characters[i]) != 0;
            m_rank[size_t(characters[i])] = rank;
        }
        // A number's place among the characters is the digits' place, which nothing shares.
        bool digitsApart = true;
        for (char c = ' '; c <= '~'; ++c) {
            digitsApart &= (c >= '0' && c <= '9') || m_rank[size_t(c)] < m_rank[size_t('0')] ||
                           m_rank[size_t(c)] > m_rank[size_t('9')];
        }
        m_usable = digitsApart && agreesWith(collator);
    }

    bool usable() const { return m_usable; }

    static bool holdsOnly(QStringView name)
    {
        return std::all_of(name.begin(), name.end(),
                           [](QChar c) { return c.unicode() >= u' ' && c.unicode() <= u'~'; });
    }

    // Characters by rank; a digit run as the digits' rank, its length without leading zeros,
    // then its digits. No key holds a zero byte, and none is longer than three bytes a
    // character (a lone digit).
    std::string key(QStringView name) const
    {
        std::string key(size_t(name.size()) * 3, '\0');
        key.resize(writeKey(name, key.data()));
        return key;
    }

    size_t writeKey(QStringView name, char* key) const
    {
        char* out = key;
        const char16_t* c = name.utf16();
        const char16_t* const end = c + name.size();
        while (c != end) {
            if (*c < u'0' || *c > u'9') {
                *out++ = char(m_rank[*c++]);
                continue;
            }
            const char16_t* runEnd = c;
            while (runEnd != end && *runEnd >= u'0' && *runEnd <= u'9')
                ++runEnd;
            while (c + 1 < runEnd && *c == u'0')
                ++c;
            *out++ = char(m_rank[size_t('0')]);
            *out++ = char(std::min<qsizetype>(runEnd - c, 255));
            while (c != runEnd)
                *out++ = char(*c++);
        }
        return size_t(out - key);
    }

    // A key's first 16 bytes are held as two numbers beside the name's position, so that a
    // sort compares numbers and looks further only where keys share those bytes.
    struct Entry
    {
        quint64 head[2];
        quint32 tail; // where the rest of the key begins in the tails
        quint32 tailLength;
        int position;
    };

    // The entries of the names from the position given on, appended; false when a name is not
    // of printable ASCII. The bytes of the keys after their first 16 go to the tails.
    template <typename Names>
    bool appendEntries(const Names& names, qsizetype from, std::vector<Entry>& entries,
                       std::string& tails) const
    {
        std::string key;
        for (qsizetype position = from; position < qsizetype(names.size()); ++position) {
            const QStringView name = names[position];
            if (!holdsOnly(name))
                return false;
            key.resize(std::max<size_t>(size_t(name.size()) * 3, 16));
            const size_t length = writeKey(name, key.data());
            std::fill(key.data() + length, key.data() + std::max<size_t>(length, 16), '\0');
            Entry entry;
            entry.head[0] = qFromBigEndian<quint64>(key.data());
            entry.head[1] = qFromBigEndian<quint64>(key.data() + 8);
            entry.tail = quint32(tails.size());
            entry.tailLength = length > 16 ? quint32(length - 16) : 0;
            tails.append(key.data() + 16, entry.tailLength);
            entry.position = int(position);
            entries.push_back(entry);
        }
        return true;
    }

    // Key order; equal keys in the names' order.
    static auto inOrder(const std::string& tails)
    {
        return [&tails](const Entry& a, const Entry& b) {
            if (a.head[0] != b.head[0])
                return a.head[0] < b.head[0];
            if (a.head[1] != b.head[1])
                return a.head[1] < b.head[1];
            if (a.tailLength > 0 || b.tailLength > 0) {
                const std::string_view all(tails);
                const int order =
                    all.substr(a.tail, a.tailLength).compare(all.substr(b.tail, b.tailLength));
                if (order != 0)
                    return order < 0;
            }
            return a.position < b.position;
        };
    }

    static std::vector<int> positionsOf(const std::vector<Entry>& entries)
    {
        std::vector<int> positions;
        positions.reserve(entries.size());
        for (const Entry& entry : entries)
            positions.push_back(entry.position);
        return positions;
    }

    // The positions of sorted runs' entries in key order, merged at once: a merged run of
    // entries would be as large again in fresh memory.
    static std::vector<int> mergedPositionsOf(const std::vector<std::vector<Entry>>& runs,
                                              const std::string& tails)
    {
        struct Head
        {
            const Entry* at;
            const Entry* end;
        };
        std::vector<Head> heads;
        size_t count = 0;
        for (const std::vector<Entry>& run : runs) {
            if (!run.empty())
                heads.push_back({run.data(), run.data() + run.size()});
            count += run.size();
        }
        const auto before = inOrder(tails);
        const auto later = [&](const Head& a, const Head& b) {
            return before(*b.at, *a.at);
        };
        std::make_heap(heads.begin(), heads.end(), later);
        std::vector<int> positions;
        positions.reserve(count);
        while (!heads.empty()) {
            std::pop_heap(heads.begin(), heads.end(), later);
            Head& first = heads.back();
            positions.push_back(first.at->position);
            if (++first.at == first.end)
                heads.pop_back();
            else
                std::push_heap(heads.begin(), heads.end(), later);
        }
        return positions;
    }

    // The names' positions in key order; none when a name is not of printable ASCII.
    std::optional<std::vector<int>> sortedPositions(std::span<const QString> names) const
    {
        std::vector<Entry> entries;
        entries.reserve(names.size());
        std::string tails;
        if (!appendEntries(names, 0, entries, tails))
            return std::nullopt;
        std::sort(entries.begin(), entries.end(), inOrder(tails));
        return positionsOf(entries);
    }

private:
    bool agreesWith(const QCollator& collator) const
    {
        static const char* const probes[] = {
            "a",     "A",   "a1",  "a01", "a001b", "a1c", "a2",  "a10",   "a0",
            "a00",   "a 1", "a-1", "a_b", "ab",    "a-b", "a'b", "a.b",   "a1.5",
            "a1.10", "x0",  "1",   "~",   "$1",    "z9",  "Z10", "b 2 c", "b2c",
        };
        for (const char* a : probes) {
            for (const char* b : probes) {
                const QString first = QString::fromLatin1(a);
                const QString second = QString::fromLatin1(b);
                const int expected = collator.compare(first, second);
                const int got = key(first).compare(key(second));
                if ((expected < 0) != (got < 0) || (expected > 0) != (got > 0))
                    return false;
            }
        }
        return true;
    }

    quint8 m_rank[128] = {};
    bool m_usable = false;
};

// The ASCII keys where the collator sorts and agrees with them.
const AsciiSortKeys* UsableAsciiKeys(const QCollator* collator)
{
    if (!collator)
        return nullptr;
    static const AsciiSortKeys keys(*collator);
    return keys.usable() ? &keys : nullptr;
}

} // namespace

NaturalNameOrder::NaturalNameOrder()
{
    static const bool systemPasses = PassesCheck(ChineseCollator());
    if (systemPasses)
        m_collator = ChineseCollator();
}

int NaturalNameOrder::compare(const QString& first, const QString& second) const
{
    // Chinese numerals compare as the numbers they write.
    const QString a = ChineseNumeralsAsDigits(first);
    const QString b = ChineseNumeralsAsDigits(second);
    return m_collator ? m_collator->compare(a, b) : CompareNaturally(a, b);
}

std::vector<int> NaturalNameOrder::sortedPositions(std::span<const QString> given) const
{
    // Names of ASCII alone, as most large listings have, hold no Chinese numerals.
    const AsciiSortKeys* ascii = m_collator ? UsableAsciiKeys(systemCollation()) : nullptr;
    if (ascii) {
        if (std::optional<std::vector<int>> positions = ascii->sortedPositions(given))
            return std::move(*positions);
    }
    // Chinese numerals sort as the numbers they write: the names rewritten once, each.
    std::vector<QString> withDigits;
    std::span<const QString> names = given;
    if (std::any_of(given.begin(), given.end(), [](const QString& name) {
            return std::any_of(name.begin(), name.end(), IsChineseNumeral);
        })) {
        withDigits.reserve(given.size());
        for (const QString& name : given)
            withDigits.push_back(ChineseNumeralsAsDigits(name));
        names = withDigits;
    }
    if (!m_collator) {
        std::vector<int> positions(names.size());
        std::iota(positions.begin(), positions.end(), 0);
        std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
            return CompareNaturally(names[size_t(a)], names[size_t(b)]) < 0;
        });
        return positions;
    }
    // Folded, so that names equal but for letter case keep their order: Windows' sort keys do
    // not always compare such names as equal.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString& name : names)
        keys.push_back(m_collator->sortKey(name.toCaseFolded()));
    std::vector<int> positions(names.size());
    std::iota(positions.begin(), positions.end(), 0);
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

struct NaturalNameSorter::Batches
{
    NaturalNameOrder order;
    const AsciiSortKeys* ascii = UsableAsciiKeys(order.systemCollation());

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<NameList> waiting;
    bool ended = false;
    bool abandoned = false;

    // The sorting thread's own until it ends.
    NameList names;
    std::string tails;
    // Sorted runs of entries, each at least as long as the next, so that every entry is
    // merged about log(batches) times.
    std::vector<std::vector<AsciiSortKeys::Entry>> runs;

    void mergeLastRuns()
    {
        std::vector<AsciiSortKeys::Entry> merged(runs[runs.size() - 2].size() + runs.back().size());
        std::merge(runs[runs.size() - 2].begin(), runs[runs.size() - 2].end(), runs.back().begin(),
                   runs.back().end(), merged.begin(), AsciiSortKeys::inOrder(tails));
        runs.pop_back();
        runs.back() = std::move(merged);
    }

    void sortAsTheyCome()
    {
        for (;;) {
            NameList batch;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return !waiting.empty() || ended || abandoned; });
                if (abandoned || waiting.empty())
                    return;
                batch = std::move(waiting.front());
                waiting.pop_front();
            }
            const qsizetype first = names.size();
            names.append(std::move(batch));
            if (!ascii)
                continue; // sorted as a whole at the end
            std::vector<AsciiSortKeys::Entry> run;
            run.reserve(size_t(names.size() - first));
            if (!ascii->appendEntries(names, first, run, tails)) {
                ascii = nullptr;
                runs.clear();
                continue;
            }
            std::sort(run.begin(), run.end(), AsciiSortKeys::inOrder(tails));
            runs.push_back(std::move(run));
            while (runs.size() >= 2 && runs.back().size() >= runs[runs.size() - 2].size())
                mergeLastRuns();
        }
    }
};

NaturalNameSorter::NaturalNameSorter() : m_batches(std::make_unique<Batches>())
{
    m_thread = std::thread([batches = m_batches.get()] { batches->sortAsTheyCome(); });
}

NaturalNameSorter::~NaturalNameSorter()
{
    if (m_thread.joinable()) {
        {
            const std::lock_guard lock(m_batches->mutex);
            m_batches->abandoned = true;
        }
        m_batches->changed.notify_one();
        m_thread.join();
    }
}

void NaturalNameSorter::add(NameList names)
{
    if (names.isEmpty())
        return;
    {
        const std::lock_guard lock(m_batches->mutex);
        m_batches->waiting.push_back(std::move(names));
    }
    m_batches->changed.notify_one();
}

std::vector<int> NaturalNameSorter::finish()
{
    {
        const std::lock_guard lock(m_batches->mutex);
        m_batches->ended = true;
    }
    m_batches->changed.notify_one();
    m_thread.join();
    Batches& b = *m_batches;
    if (!b.ascii)
        return b.order.sortedPositions(b.names.toStringList());
    return AsciiSortKeys::mergedPositionsOf(b.runs, b.tails);
}

NameList NaturalNameSorter::takeNames()
{
    return std::exchange(m_batches->names, {});
}
