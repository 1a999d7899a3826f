#pragma once

#include <atomic>
#include <mutex>
#include <utility>
#include <vector>

// Items one thread hands to another, taken in batches in the order they were put.
// The putting thread keeps items back until it has a batch or the taking thread has taken what
// was there: one lock a batch rather than one an item. It calls flush() when it puts no more.
template <typename T> class Outbox
{
public:
    void put(T item)
    {
        m_kept.push_back(std::move(item));
        if (m_kept.size() >= keptAtMost || m_taken.load(std::memory_order_relaxed))
            flush();
    }

    void flush()
    {
        if (m_kept.empty())
            return;
        const std::lock_guard lock(m_mutex);
        m_items.insert(m_items.end(), std::make_move_iterator(m_kept.begin()),
                       std::make_move_iterator(m_kept.end()));
        m_kept.clear();
        m_taken.store(false, std::memory_order_relaxed);
    }

    void reserve(size_t count)
    {
        const std::lock_guard lock(m_mutex);
        m_items.reserve(count);
    }

    // Hands the items put since the last call, in order, to use(std::vector<T>&); use may move
    // them out. The vector's memory then takes the next items: a pass that hands over many
    // batches grows no vector and touches no fresh pages after the first two.
    template <typename Use> void take(const Use& use)
    {
        std::vector<T> items;
        {
            const std::lock_guard lock(m_mutex);
            items = std::exchange(m_items, std::exchange(m_spare, {}));
        }
        m_taken.store(true, std::memory_order_relaxed);
        use(items);
        items.clear();
        const std::lock_guard lock(m_mutex);
        m_spare = std::move(items);
    }

private:
    static constexpr size_t keptAtMost = 256;

    std::mutex m_mutex;
    std::vector<T> m_items;
    std::vector<T> m_spare; // emptied, with its memory
    std::vector<T> m_kept;  // the putting thread's own
    std::atomic<bool> m_taken{false};
};
