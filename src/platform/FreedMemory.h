#pragma once

#include <QThreadPool>

#include <memory>

// Gives the memory the program has freed back to the system. A pass over many folders frees
// as much as it keeps (its copy of the rows, its hand-overs); the C library holds on to it
// otherwise, and the program would look twice its size. Each platform's folder implements it.
void ReturnFreedMemory();

// The same on a thread of the pool: sorting through a million freed rows takes tens of
// milliseconds, which neither the windows' thread nor the next pass's first allocation should
// wait for. Calls while one waits to run are that one.
void ReturnFreedMemorySoon();

// Lets go of what it is given on a thread of the pool, then gives the memory back: a million
// rows take a tenth of a second to free, which the windows' thread should not wait for.
template <typename T> void FreeSoon(T&& unwanted)
{
    auto held = std::make_shared<std::decay_t<T>>(std::forward<T>(unwanted));
    QThreadPool::globalInstance()->start([held] {
        // Moved out rather than released: the caller's reference may be the last one.
        {
            const std::decay_t<T> freed = std::move(*held);
        }
        ReturnFreedMemory();
    });
}
