#include "FreedMemory.h"

#include <QThreadPool>

#include <atomic>

void ReturnFreedMemorySoon()
{
    static std::atomic<bool> waiting{false};
    if (waiting.exchange(true))
        return;
    QThreadPool::globalInstance()->start([] {
        waiting = false; // memory freed from now on needs a call of its own
        ReturnFreedMemory();
    });
}
