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

    std::vector<T> take()
    {
        const std::lock_guard lock(m_mutex);
        return std::exchange(m_items, {});
    }

private:
    std::mutex m_mutex;
    std::vector<T> m_items;
};
