#pragma once

#include <atomic>
#include <mutex>
#include <utility>
#include <vector>

// Items one thread hands to another, taken in batches in the order they were put.
// What the taking thread leaves in the items it took (the values it swapped out) is let go of
// on the putting thread, whose memory it mostly is: freed on the taking thread, it made the two
// threads wait for each other's allocator. Each item is there to take as soon as it is put: a
// pass held in a call (a share that does not answer) shows what it did before.
template <typename T> class Outbox
{
public:
    void put(T item)
    {
        if (m_usedWaiting.load(std::memory_order_relaxed))
            letGoOfUsed();
        const std::lock_guard lock(m_mutex);
        m_items.push_back(std::move(item));
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
        use(items);
        std::vector<T> unclaimed; // the putting thread has put nothing since the last take
        {
            const std::lock_guard lock(m_mutex);
            unclaimed.swap(m_used);
            m_used.swap(items);
            m_usedWaiting.store(true, std::memory_order_relaxed);
        }
    }

private:
    void letGoOfUsed()
    {
        std::vector<T> used;
        {
            const std::lock_guard lock(m_mutex);
            used.swap(m_used);
            m_usedWaiting.store(false, std::memory_order_relaxed);
        }
        used.clear();
        // Its memory takes the next items: no fresh pages.
        const std::lock_guard lock(m_mutex);
        if (used.capacity() > m_items.capacity()) {
            used.insert(used.end(), std::make_move_iterator(m_items.begin()),
                        std::make_move_iterator(m_items.end()));
            m_items.swap(used);
        }
    }

    std::mutex m_mutex;
    std::vector<T> m_items;
    std::vector<T> m_used; // taken, for the putting thread to let go of
    std::atomic<bool> m_usedWaiting{false};
};
