#pragma once

#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/SystemInfoViewer.h"
#include "platform/core/QtRecordFiles.h"
#include "platform/core/QtSettings.h"
#include "platform/widgets/QtPassRunner.h"
#include "platform/widgets/QtShell.h"

#include <QTemporaryDir>

#include <atomic>
#include <thread>

// Says yes to every question, as a user who wants the work done.
class YesMessageBoxes : public MessageBoxes
{
public:
    bool askYesNo(const QString&, const QString&) override { return true; }
    void inform(const QString&, const QString&) override {}
    void notify(const QString&, const QString&) override {}
};

class NoViewer : public SystemInfoViewer
{
public:
    QString program() override { return {}; }
};

// What a benchmark's window works through, over the given file system.
struct BenchPlatform
{
    explicit BenchPlatform(FileSystem& fileSystem)
        : platform{fileSystem, shell, messageBoxes, viewer, recordFiles, passes, settings}
    {}

    QtShell shell;
    YesMessageBoxes messageBoxes;
    NoViewer viewer;
    QTemporaryDir recordsFolder;
    QtRecordFiles recordFiles{recordsFolder.filePath(QStringLiteral("records"))};
    QtPassRunner passes;
    QtSettings settings;
    Platform platform;
};

// Keeps one core busy while it lives, as a second busy program would; or nothing.
class CoreKeptBusy
{
public:
    explicit CoreKeptBusy(bool busy) : m_runs(busy)
    {
        if (busy)
            m_thread = std::thread([this] {
                volatile unsigned long spin = 0;
                while (m_runs.load(std::memory_order_relaxed))
                    spin = spin + 1;
            });
    }
    ~CoreKeptBusy()
    {
        m_runs = false;
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::atomic<bool> m_runs;
    std::thread m_thread;
};
