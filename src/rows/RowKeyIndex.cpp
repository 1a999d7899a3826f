#include "RowKeyIndex.h"

#include <bit>

size_t RowKeyIndex::slotsFor(size_t rows)
{
    return std::bit_ceil(std::max<size_t>(16, rows + rows / 3 + 1));
}

void RowKeyIndex::reserve(size_t rows)
{
    if (slotsFor(rows) > m_slots.size())
        resize(rows);
}

void RowKeyIndex::clear()
{
    std::vector<quint64>().swap(m_slots);
    m_count = 0;
}

void RowKeyIndex::place(quint32 fragment, int position)
{
    if (slotsFor(m_count + 1) > m_slots.size())
        resize(2 * (m_count + 1));
    size_t slot = fragment & mask();
    while (m_slots[slot])
        slot = (slot + 1) & mask();
    m_slots[slot] = slotValue(fragment, position);
    ++m_count;
}

void RowKeyIndex::resize(size_t rows)
{
    std::vector<quint64> old = std::exchange(m_slots, std::vector<quint64>(slotsFor(rows)));
    m_count = 0;
    for (const quint64 slot : old) {
        if (slot)
            place(fragmentIn(slot), positionIn(slot));
    }
}

void RowKeyIndex::erase(int position, size_t hash)
{
    if (m_slots.empty())
        return;
    size_t hole = fragmentOf(hash) & mask();
    while (m_slots[hole] && positionIn(m_slots[hole]) != position)
        hole = (hole + 1) & mask();
    if (!m_slots[hole])
        return;
    // The slots after it move back where their own probes pass the hole.
    for (size_t next = (hole + 1) & mask(); m_slots[next]; next = (next + 1) & mask()) {
        const size_t home = fragmentIn(m_slots[next]) & mask();
        const bool passesHole =
            hole <= next ? (home <= hole || home > next) : (home <= hole && home > next);
        if (passesHole) {
            m_slots[hole] = m_slots[next];
            hole = next;
        }
    }
    m_slots[hole] = 0;
    --m_count;
}

void RowKeyIndex::renumber(const std::vector<int>& newPosition)
{
    std::vector<quint64> old = std::exchange(m_slots, {});
    size_t kept = 0;
    for (const quint64 slot : old)
        kept += slot && newPosition[size_t(positionIn(slot))] >= 0;
    m_slots.assign(slotsFor(kept), 0);
    m_count = 0;
    for (const quint64 slot : old) {
        if (slot && newPosition[size_t(positionIn(slot))] >= 0)
            place(fragmentIn(slot), newPosition[size_t(positionIn(slot))]);
    }
}
