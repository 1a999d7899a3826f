#include "RenamePlan.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace RenamePlan {

std::vector<int> WaitsFor(const std::vector<Row>& rows)
{
    // The rows that give their names up, open-addressed by parent and name in one vector: a
    // QHash of as many keys cost most of a large batch's plan.
    const auto givesUpItsName = [&rows](size_t i) {
        // A row that keeps its name in other letters gives it up to nobody else.
        return !rows[i].newKey.isEmpty() && rows[i].newKey != rows[i].oldKey;
    };
    const auto slotOf = [](const FileId& parent, const QString& name, size_t mask) {
        return size_t(qHash(name, qHash(parent))) & mask;
    };
    size_t capacity = 16;
    while (capacity < 2 * rows.size())
        capacity *= 2;
    const size_t mask = capacity - 1;
    std::vector<int> giving(capacity, -1);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!givesUpItsName(i))
            continue;
        size_t slot = slotOf(rows[i].parentId, rows[i].oldKey, mask);
        while (giving[slot] >= 0)
            slot = (slot + 1) & mask;
        giving[slot] = int(i);
    }
    const auto rowGivingUp = [&](const FileId& parent, const QString& name) {
        for (size_t slot = slotOf(parent, name, mask); giving[slot] >= 0;
             slot = (slot + 1) & mask) {
            const Row& row = rows[size_t(giving[slot])];
            if (row.parentId == parent && row.oldKey == name)
                return giving[slot];
        }
        return -1;
    };
    std::vector<int> waitsFor(rows.size(), -1);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].newKey == rows[i].oldKey)
            waitsFor[i] = int(i); // a change of letter case: a cycle of its own
        else if (!rows[i].newKey.isEmpty())
            waitsFor[i] = rowGivingUp(rows[i].parentId, rows[i].newKey);
    }
    return waitsFor;
}

void LetWaitingRowsGo(std::vector<char>& canGo, const std::vector<int>& waitsFor)
{
    enum : char { Unknown, OnChain, Known };
    std::vector<char> state(canGo.size(), Unknown);
    std::vector<int> chain;
    for (size_t first = 0; first < canGo.size(); ++first) {
        chain.clear();
        int at = int(first);
        while (at >= 0 && state[size_t(at)] == Unknown && canGo[size_t(at)]) {
            state[size_t(at)] = OnChain;
            chain.push_back(at);
            at = waitsFor[size_t(at)];
        }
        // A free name at the end, or the chain's own first row again (a cycle), lets it go.
        const bool go = at < 0 || state[size_t(at)] == OnChain || canGo[size_t(at)];
        for (const int row : chain) {
            canGo[size_t(row)] = go;
            state[size_t(row)] = Known;
        }
        state[first] = Known;
    }
}

std::vector<Step> Order(const std::vector<int>& waitsFor, const std::vector<char>& renamed)
{
    enum : char { Waiting, OnChain, Ordered };
    std::vector<char> state(waitsFor.size(), Waiting);
    std::vector<Step> steps;
    steps.reserve(waitsFor.size());
    std::vector<int> chain;
    for (size_t first = 0; first < waitsFor.size(); ++first) {
        if (!renamed[first] || state[first] != Waiting)
            continue;
        chain.clear();
        int at = int(first);
        while (at >= 0 && renamed[size_t(at)] && state[size_t(at)] == Waiting) {
            state[size_t(at)] = OnChain;
            chain.push_back(at);
            at = waitsFor[size_t(at)];
        }
        // Back on the chain: a cycle, from that row on (its first, where no two rows take one
        // name). The rows that lead into it go once it has.
        size_t cycleStart = chain.size();
        if (at >= 0 && state[size_t(at)] == OnChain) {
            cycleStart = size_t(std::find(chain.begin(), chain.end(), at) - chain.begin());
            steps.push_back({at, Step::Kind::ToTemporary});
            for (size_t k = chain.size(); k-- > cycleStart + 1;)
                steps.push_back({chain[k], Step::Kind::Direct});
            steps.push_back({at, Step::Kind::FromTemporary});
            for (size_t k = cycleStart + 1; k < chain.size(); ++k)
                steps.push_back({chain[k], Step::Kind::Unwind});
            steps.push_back({at, Step::Kind::BackFromTemporary});
        }
        for (size_t k = cycleStart; k-- > 0;)
            steps.push_back({chain[k], Step::Kind::Direct});
        for (const int row : chain)
            state[size_t(row)] = Ordered;
    }
    return steps;
}

namespace {
const QString temporaryPrefix = u"~fbr-renaming-"_s;
}

QString TemporaryName(quint64 batch, int row)
{
    return temporaryPrefix + u"%1-%2"_s.arg(batch, 16, 16, QChar(u'0')).arg(row);
}

bool IsTemporaryName(QStringView name)
{
    return name.startsWith(temporaryPrefix);
}

} // namespace RenamePlan
