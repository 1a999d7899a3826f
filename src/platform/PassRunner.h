#pragma once

#include <QString>

#include <atomic>
#include <functional>

// What a pass over many folders and the window waiting for it share: the count of folders
// done and the user's wish to stop. Safe to use from both threads.
class PassControl
{
public:
    // What every pass over many folders does, in one place: for each i in [0, count), asks
    // whether the user cancelled (then the pass stops there), runs each(i), and counts it.
    template <typename Each> void forEach(int count, const Each& each)
    {
        for (int i = 0; i < count; ++i) {
            if (stopHere())
                return;
            each(i);
            countDone();
        }
    }
    // For a pass whose items are not one folder each.
    void countDone() { m_done.fetch_add(1, std::memory_order_relaxed); }

    // For a pass of one call: true when the user cancelled, and the pass then counts as
    // stopped before its end.
    bool stopHere()
    {
        if (!m_cancel.load(std::memory_order_relaxed))
            return false;
        m_stopped.store(true, std::memory_order_relaxed);
        return true;
    }

    void requestCancel() { m_cancel.store(true, std::memory_order_relaxed); }
    bool cancelRequested() const { return m_cancel.load(std::memory_order_relaxed); }
    bool stopped() const { return m_stopped.load(std::memory_order_relaxed); }
    int done() const { return m_done.load(std::memory_order_relaxed); }

    // Results handed over for the window to take: many waiting bring the next hand-over
    // sooner, as many folders done do (a planned preview hands every row over at its end).
    void countHandedOver() { m_handedOver.fetch_add(1, std::memory_order_relaxed); }
    int handedOver() const { return m_handedOver.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_stopped{false};
    std::atomic<int> m_done{0};
    std::atomic<int> m_handedOver{0};
};

// How a pass ended.
enum class PassEnd {
    Completed,
    Cancelled, // by the user, before its end
    Closing,   // cancelled because the program is closing: say nothing more
    Refused,   // never started: another pass was running
};

// Runs the long passes (the addition, the preview, the rename, the undo) away from the
// windows' thread, so that the windows repaint and a slow or hanging disk freezes nothing.
class PassRunner
{
public:
    virtual ~PassRunner() = default;

    // Runs work(control) on a worker thread and returns when it has ended; refuses, running
    // nothing, while another pass runs. Meanwhile the
    // windows repaint but take no input, a pass still running after half a second shows its
    // progress ("<progressText> done / total") with a cancel button, and takeResults runs on
    // this thread now and then and once at the end, to bring what the pass did into the list.
    virtual PassEnd run(const QString& progressText, int total,
                        const std::function<void(PassControl&)>& work,
                        const std::function<void()>& takeResults) = 0;

    virtual bool isRunning() const = 0;

    // While a pass runs: cancels it and calls closeWindow once it has ended; the pass then
    // ends as Closing. False, calling nothing, when no pass runs.
    virtual bool cancelForClosing(std::function<void()> closeWindow) = 0;
};
