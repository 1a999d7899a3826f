#pragma once

#include <QString>

#include <vector>

// The list's rows by their keys: for each row its position, found through the key's hash. A
// slot holds a part of the hash and the position (eight bytes), the table at most three
// quarters full; the keys stay in the rows, read (keyAt) only where two hashes agree. A set of
// the keys themselves took some 55 bytes a row.
class RowKeyIndex
{
public:
    void reserve(size_t rows);
    void clear(); // and its memory

    // The position of the row whose key is key, or -1.
    template <typename KeyAt> int find(const QString& key, size_t hash, const KeyAt& keyAt) const
    {
        if (m_slots.empty())
            return -1;
        return positionIn(m_slots[slotOf(key, hash, keyAt)]);
    }

    // Takes the row at position in, unless a row of the same key is in already.
    template <typename KeyAt>
    bool insert(int position, const QString& key, size_t hash, const KeyAt& keyAt)
    {
        if (slotsFor(m_count + 1) > m_slots.size())
            resize(2 * (m_count + 1));
        quint64& slot = m_slots[slotOf(key, hash, keyAt)];
        if (slot)
            return false;
        slot = slotValue(fragmentOf(hash), position);
        ++m_count;
        return true;
    }

    // Lets the row at position go; its key has the hash given.
    void erase(int position, size_t hash);
    // After rows went or moved: the row at p is now at newPosition[p], or gone where that is -1.
    void renumber(const std::vector<int>& newPosition);

private:
    static quint32 fragmentOf(size_t hash) { return quint32(hash ^ (quint64(hash) >> 32)); }
    static quint32 fragmentIn(quint64 slot) { return quint32(slot >> 32); }
    static int positionIn(quint64 slot) { return int(quint32(slot)) - 1; }
    static quint64 slotValue(quint32 fragment, int position)
    {
        return quint64(fragment) << 32 | quint32(position + 1);
    }
    size_t mask() const { return m_slots.size() - 1; }
    static size_t slotsFor(size_t rows);
    // The slot of the row whose key is key, or the empty slot where it would go. One probe
    // answers both.
    template <typename KeyAt>
    size_t slotOf(const QString& key, size_t hash, const KeyAt& keyAt) const
    {
        const quint32 fragment = fragmentOf(hash);
        size_t slot = fragment & mask();
        for (; m_slots[slot]; slot = (slot + 1) & mask()) {
            if (fragmentIn(m_slots[slot]) == fragment && keyAt(positionIn(m_slots[slot])) == key)
                break;
        }
        return slot;
    }
    void place(quint32 fragment, int position);
    void resize(size_t rows);

    std::vector<quint64> m_slots; // fragment << 32 | (position + 1); 0 for none
    size_t m_count = 0;
};
