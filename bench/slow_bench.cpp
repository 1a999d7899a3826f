// Drives the passes over N folders on a file system that answers slowly, as a network share
// does, and measures what the user feels: the longest stall of the window's event loop (the
// gap between two runs of a 10 ms timer), when the progress dialog comes up, and how many
// calls the file system still gets after 取消.
//
//   build/release/bench/slow_bench [--load] [N] [delay_ms]        (default: 20000 1)
//
// With --load, another thread keeps one core busy meanwhile, as a second busy program would.

#include "BenchPlatform.h"
#include "FaultyFileSystem.h"
#include "mainwindow/Form1.h"
#include "rows/DirectoryListModel.h"
#include "rules/RenameRule.h"
#include "rules/SimulateRename.h"
#include "rules/StepList.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
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
Feel measure(FaultyFileSystem& disk, const std::function<void()>& pass,
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
        const bool due =
            heldCall
                ? disk.holding() && !dialog->findChild<QLabel*>(u"waitingLabel"_s)->text().isEmpty()
                : cancelAfter && double(now) / 1e9 >= *cancelAfter;
        if (due && callsAtCancel < 0) {
            feel.waitingNotice = heldCall;
            callsAtCancel = disk.folderCalls();
            cancelledAt = now;
            dialog->findChild<QPushButton*>(u"cancelButton"_s)->click();
        }
        if (heldCall && callsAtCancel >= 0 && !released && now - cancelledAt > 1'000'000'000) {
            released = true;
            disk.release();
        }
    });
    ticker.start();
    pass();
    gap(); // the pass's last stretch counts as well
    ticker.stop();
    if (callsAtCancel >= 0)
        feel.callsAfterCancel = disk.folderCalls() - callsAtCancel;
    return feel;
}

bool underLoad = false;

void report(const char* phase, int n, const Feel& feel)
{
    std::printf("RESULT phase=%s n=%d load=%d max_gap_s=%.4f dialog_s=%.3f", phase, n,
                int(underLoad), feel.maxGap, feel.dialogAfter);
    if (feel.callsAfterCancel >= 0)
        std::printf(" cancel_calls=%d", feel.callsAfterCancel);
    if (feel.waitingNotice)
        std::printf(" waiting_notice=1");
    std::printf("\n");
    std::fflush(stdout);
}

StepList appendRule(const QString& text)
{
    RenameRule rule;
    rule.appendText = text;
    return StepList(rule.steps());
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    underLoad = arguments.removeAll(u"--load"_s) > 0;
    const int n = arguments.size() > 0 ? arguments[0].toInt() : 20000;
    const int delayMs = arguments.size() > 1 ? arguments[1].toInt() : 1;
    const CoreKeptBusy load(underLoad);

    QTemporaryDir tree;
    const QString parent = tree.path() + u"/p"_s;
    QStringList paths;
    for (int i = 0; i < n; ++i) {
        paths.append(parent + u"/folder "_s + QString::number(i));
        QDir().mkpath(paths.back());
    }

    FaultyFileSystem fileSystem;
    fileSystem.delay = std::chrono::milliseconds(delayMs);
    BenchPlatform bench(fileSystem);
    Form1 window(bench.platform);
    window.show();
    QApplication::processEvents();
    DirectoryListModel& rows = window.rows();
    std::printf("N = %d folders, %d ms a call%s\n", n, delayMs,
                underLoad ? ", one core kept busy" : "");

    const auto add = [&] {
        window.addFolders(paths);
    };
    const auto preview = [&](const QString& suffix) {
        return [&, suffix] {
            SimulateRename(rows, fileSystem, appendRule(suffix), bench.passes);
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
    SimulateRename(rows, fileSystem, appendRule(u"_c"_s), bench.passes);
    report("rename_cancel", 3000, measure(fileSystem, rename, 1.0));

    SimulateRename(rows, fileSystem, appendRule(u"_d"_s), bench.passes);
    fileSystem.holdCall(fileSystem.folderCalls() + 100);
    report("held_call", 3000, measure(fileSystem, rename, {}, true));
    return 0;
}
