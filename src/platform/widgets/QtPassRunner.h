#pragma once

#include "platform/PassRunner.h"

// Runs each pass on a thread of its own while a nested event loop keeps the windows painted;
// the progress dialog comes up over the active window after half a second.
class QtPassRunner : public PassRunner
{
public:
    PassEnd run(const QString& progressText, int total,
                const std::function<void(PassControl&)>& work,
                const std::function<void()>& takeResults) override;
    bool isRunning() const override { return m_control != nullptr; }
    bool cancelForClosing(std::function<void()> closeWindow) override;

private:
    PassControl* m_control = nullptr;
    bool m_closing = false;
    std::function<void()> m_closeWindow;
};
