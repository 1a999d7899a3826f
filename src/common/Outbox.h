#pragma once

#include <mutex>
#include <utility>
#include <vector>

// Items one thread hands to another, taken in batches in the order they were put.
template <typename T> class Outbox
{
public:
    void put(T item)
    {
        const std::lock_guard lock(m_mutex);
        m_items.push_back(std::move(item));
    }

    void reserve(size_t count)
    {
        const std::lock_guard lock(m_mutex);
        m_items.reserve(count);
    }

    // Hands the items put since the last call to use(std::vector<T>&), in order; use may move
    // them out. The vector's memory then takes the next items: a pass that hands over many
    // batches grows no vector and touches no fresh pages after the first two.
    template <typename Use> void take(const Use& use)
    {
        std::vector<T> items;
        {
            const std::lock_guard lock(m_mutex);
            items = std::exchange(m_items, std::exchange(m_spare, {}));
        }
        use(items);
        items.clear();
        const std::lock_guard lock(m_mutex);
        m_spare = std::move(items);
    }

private:
    std::mutex m_mutex;
    std::vector<T> m_items;
    std::vector<T> m_spare; // emptied, with its memory
};
