// Drives the passes over N folders on a file system that answers slowly, as a network share
// does, and measures what the user feels: the longest stall of the window's event loop (the
// gap between two runs of a 10 ms timer), when the progress dialog comes up, and how many
// calls the file system still gets after 取消.
//
//   build/release/bench/slow_bench [N] [delay_ms]        (default: 20000 1)

#include "BenchPlatform.h"
#include "NativeFileSystem.h"
#include "mainwindow/Form1.h"
#include "platform/QtJournal.h"
#include "platform/QtPassRunner.h"
#include "platform/QtShell.h"
#include "rows/DirectoryListModel.h"
#include "rules/RenameRule.h"
#include "rules/SimulateRename.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// The real file system, each folder call delayed; one call can be held until released, as a
// dead share holds it.
class SlowFileSystem : public FileSystem
{
public:
    SlowFileSystem(FileSystem& real, std::chrono::microseconds delay) : m_real(real), m_delay(delay)
    {}

    void holdCall(int call) { m_heldCall = call; }
    void release() { m_released.release(); }
    bool holding() const { return m_holding; }
    int calls() const { return m_calls; }

    // Before each folder call of a pass.
    void call()
    {
        std::this_thread::sleep_for(m_delay);
        if (m_calls++ == m_heldCall) {
            m_holding = true;
            m_released.acquire();
            m_holding = false;
        }
    }

    bool folderExists(const QString& path) override { return m_real.folderExists(path); }
    bool fileExists(const QString& path) override { return m_real.fileExists(path); }
    std::unique_ptr<FolderFinder> folderFinder() override;
    std::optional<QStringList> subfolderNames(const QString& folder) override
    {
        return m_real.subfolderNames(folder);
    }
    std::optional<FileSystemError> checkFolderName(const QString& name) override
    {
        return m_real.checkFolderName(name);
    }
    std::unique_ptr<FolderProbe> folderProbe() override;
    std::unique_ptr<FolderRenamer> folderRenamer() override;
    QList<Volume> volumes() override { return m_real.volumes(); }
    QString volumeRootOf(const QString& path) override { return m_real.volumeRootOf(path); }
    QString currentDirectory() override { return m_real.currentDirectory(); }

private:
    FileSystem& m_real;
    std::chrono::microseconds m_delay;
    std::atomic<int> m_calls{0};
    std::atomic<int> m_heldCall{-1};
    std::atomic<bool> m_holding{false};
    QSemaphore m_released;
};

class SlowFinder : public FolderFinder
{
public:
    SlowFinder(SlowFileSystem& slow, std::unique_ptr<FolderFinder> real)
        : m_slow(slow), m_real(std::move(real))
    {}
    FolderLookup lookUp(const QString& path) override
    {
        m_slow.call();
        return m_real->lookUp(path);
    }

private:
    SlowFileSystem& m_slow;
    std::unique_ptr<FolderFinder> m_real;
};

class SlowProbe : public FolderProbe
{
public:
    SlowProbe(SlowFileSystem& slow, std::unique_ptr<FolderProbe> real)
        : m_slow(slow), m_real(std::move(real))
    {}
    bool folderExists(const QString& parent, const QString& name) override
    {
        m_slow.call();
        return m_real->folderExists(parent, name);
    }

private:
    SlowFileSystem& m_slow;
    std::unique_ptr<FolderProbe> m_real;
};

class SlowRenamer : public FolderRenamer
{
public:
    SlowRenamer(SlowFileSystem& slow, std::unique_ptr<FolderRenamer> real)
        : m_slow(slow), m_real(std::move(real))
    {}
    std::optional<FileSystemError> rename(const ListedFolder& folder,
                                          const QString& newName) override
    {
        m_slow.call();
        return m_real->rename(folder, newName);
    }

private:
    SlowFileSystem& m_slow;
    std::unique_ptr<FolderRenamer> m_real;
};

std::unique_ptr<FolderFinder> SlowFileSystem::folderFinder()
{
    return std::make_unique<SlowFinder>(*this, m_real.folderFinder());
}

std::unique_ptr<FolderProbe> SlowFileSystem::folderProbe()
{
    return std::make_unique<SlowProbe>(*this, m_real.folderProbe());
}

std::unique_ptr<FolderRenamer> SlowFileSystem::folderRenamer()
{
    return std::make_unique<SlowRenamer>(*this, m_real.folderRenamer());
}

// What the user felt during one pass.
struct Feel
{
    double maxGap = 0;       // seconds between two runs of the timer, at most
    double dialogAfter = -1; // seconds from the start until the progress dialog was up
    int callsAfterCancel = -1;
    bool waitingNotice = false; // the dialog said that it waits, while a call was held
};

QWidget* progressDialog()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() && modal->objectName() == u"PassProgressDialog"_s ? modal
                                                                                         : nullptr;
}

// Runs the pass with a 10 ms timer ticking on this thread. With cancelAfter, clicks 取消 that
// many seconds in; with a held call, waits until the dialog says it waits, cancels, and
// releases the call a second later.
Feel measure(SlowFileSystem& fileSystem, const std::function<void()>& pass,
             std::optional<double> cancelAfter, bool heldCall = false)
{
    Feel feel;
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    int callsAtCancel = -1;
    qint64 cancelledAt = 0;
    bool released = false;
    const auto gap = [&] {
        const qint64 now = clock.nsecsElapsed();
        feel.maxGap = std::max(feel.maxGap, double(now - last) / 1e9);
        last = now;
        return now;
    };
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = gap();
        QWidget* dialog = progressDialog();
        if (!dialog)
            return;
        if (feel.dialogAfter < 0)
            feel.dialogAfter = double(now) / 1e9;
        const bool due = heldCall
                             ? fileSystem.holding() &&
                                   !dialog->findChild<QLabel*>(u"waitingLabel"_s)->text().isEmpty()
                             : cancelAfter && double(now) / 1e9 >= *cancelAfter;
        if (due && callsAtCancel < 0) {
            feel.waitingNotice = heldCall;
            callsAtCancel = fileSystem.calls();
            cancelledAt = now;
            dialog->findChild<QPushButton*>(u"cancelButton"_s)->click();
        }
        if (heldCall && callsAtCancel >= 0 && !released && now - cancelledAt > 1'000'000'000) {
            released = true;
            fileSystem.release();
        }
    });
    ticker.start();
    pass();
    gap(); // the pass's last stretch counts as well
    ticker.stop();
    if (callsAtCancel >= 0)
        feel.callsAfterCancel = fileSystem.calls() - callsAtCancel;
    return feel;
}

void report(const char* phase, int n, const Feel& feel)
{
    std::printf("RESULT phase=%s n=%d max_gap_s=%.4f dialog_s=%.3f", phase, n, feel.maxGap,
                feel.dialogAfter);
    if (feel.callsAfterCancel >= 0)
        std::printf(" cancel_calls=%d", feel.callsAfterCancel);
    if (feel.waitingNotice)
        std::printf(" waiting_notice=1");
    std::printf("\n");
    std::fflush(stdout);
}

RenameRule appendRule(const QString& text)
{
    RenameRule rule;
    rule.appendText = text;
    return rule;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int delayMs = argc > 2 ? std::atoi(argv[2]) : 1;

    QTemporaryDir tree;
    const QString parent = tree.path() + u"/p"_s;
    QStringList paths;
    for (int i = 0; i < n; ++i) {
        paths.append(parent + u"/folder "_s + QString::number(i));
        QDir().mkpath(paths.back());
    }

    NativeFileSystem real;
    SlowFileSystem fileSystem(real, std::chrono::milliseconds(delayMs));
    QtShell shell;
    YesMessageBoxes messageBoxes;
    NoRegistry registry;
    QTemporaryDir journalFolder;
    QtJournal journal(journalFolder.filePath(u"journal.txt"_s));
    QtPassRunner passes;
    Platform platform{fileSystem, shell, messageBoxes, registry, journal, passes};
    Form1 window(platform);
    window.show();
    QApplication::processEvents();
    DirectoryListModel& rows = window.rows();
    std::printf("N = %d folders, %d ms a call\n", n, delayMs);

    const auto add = [&] {
        window.addFolders(paths);
    };
    const auto preview = [&](const QString& suffix) {
        return [&, suffix] {
            SimulateRename(rows, fileSystem, appendRule(suffix), passes);
        };
    };
    const auto rename = [&] {
        window.confirmRename();
    };

    report("addition_stall", n, measure(fileSystem, add, {}));
    report("preview_stall", n, measure(fileSystem, preview(u"_a"_s), {}));
    report("rename_stall", n, measure(fileSystem, rename, {}));

    // The folders as the rename left them.
    paths.clear();
    for (const QString& name : QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        paths.append(parent + u'/' + name);
    window.clearList();
    report("addition_cancel", n, measure(fileSystem, add, 1.0));
    window.clearList();
    window.addFolders(QStringList(paths.mid(0, 3000)));
    report("preview_cancel", 3000, measure(fileSystem, preview(u"_b"_s), 1.0));
    SimulateRename(rows, fileSystem, appendRule(u"_c"_s), passes);
    report("rename_cancel", 3000, measure(fileSystem, rename, 1.0));

    SimulateRename(rows, fileSystem, appendRule(u"_d"_s), passes);
    fileSystem.holdCall(fileSystem.calls() + 100);
    report("held_call", 3000, measure(fileSystem, rename, {}, true));
    return 0;
}
