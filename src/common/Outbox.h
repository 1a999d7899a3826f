#pragma once

#include <atomic>
#include <mutex>
#include <utility>
#include <vector>

// Items one thread hands to another, taken in batches in the order they were put.
// The putting thread keeps items back until it has a batch or the taking thread has taken what
// was there: one lock a batch rather than one an item. It calls flush() when it puts no more.
// What the taking thread leaves in the items it took (the values it swapped out) is let go of
// on the putting thread, whose memory it mostly is: freed on the taking thread, it made the two
// threads wait for each other's allocator.
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
        std::vector<T> used;
        {
            const std::lock_guard lock(m_mutex);
            used.swap(m_used);
        }
        used.clear();
        const std::lock_guard lock(m_mutex);
        if (m_items.empty() && used.capacity() > m_items.capacity())
            m_items.swap(used); // its memory takes the next items: no fresh pages
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
    // them out, or swap values into them for the putting thread to let go of.
    template <typename Use> void take(const Use& use)
    {
        std::vector<T> items;
        {
            const std::lock_guard lock(m_mutex);
            items.swap(m_items);
        }
        m_taken.store(true, std::memory_order_relaxed);
        use(items);
        {
            const std::lock_guard lock(m_mutex);
            items.swap(m_used); // the putting thread has not flushed since: these go here
        }
    }

private:
    static constexpr size_t keptAtMost = 256;

    std::mutex m_mutex;
    std::vector<T> m_items;
    std::vector<T> m_used; // taken, for the putting thread to let go of
    std::vector<T> m_kept; // the putting thread's own
    std::atomic<bool> m_taken{false};
};
