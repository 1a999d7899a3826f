// Drives the program's own classes over N sibling folders and compares each phase with the
// bare system calls over the same folders, in the same run.
//
//   build/release/bench/scale_bench [--load] [N ...]        (default: 10000 100000)
//
// A million folders are measured once (the folders take about 1 GB of the kernel's memory, the
// program 1.8 GB); with --load, another thread keeps one core busy meanwhile.
//
// One phase's profile (listing, addition, preview, preview_steps, rename, rename_planned, undo):
//   mkfifo /tmp/perf-ctl
//   FBR_PERF_PHASE=preview FBR_PERF_CONTROL=/tmp/perf-ctl perf record -D -1
//       --control fifo:/tmp/perf-ctl --call-graph dwarf -- scale_bench 100000

#include "BenchPlatform.h"
#include "LinuxFileSystem.h"
#include "collect/DirListBox.h"
#include "collect/DirectoryListing.h"
#include "collect/FormAdd.h"
#include "mainwindow/DirectoryListView.h"
#include "mainwindow/Form1.h"
#include "platform/FreedMemory.h"
#include "rows/DirectoryListModel.h"
#include "rows/FilteredRows.h"
#include "rules/FormNames.h"
#include "rules/FormRename.h"
#include "rules/FormRules.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <functional>
#include <malloc.h>
#include <numeric>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unordered_set>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double seconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// The longest the window's event loop went without turning during the program's own work:
// the gap between two runs of a 10 ms timer, as slow_bench measures it.
class StallWatch
{
public:
    StallWatch()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }

    double watch(const std::function<void()>& work)
    {
        m_sinceTick.start();
        m_timer.start();
        const bool profiled = m_profiled == m_phase && !m_phase.isEmpty();
        if (profiled)
            m_perf.write("enable\n");
        const double spent = seconds(work);
        if (profiled)
            m_perf.write("disable\n");
        tick();
        m_timer.stop();
        return spent;
    }

    // Samples only the phase FBR_PERF_PHASE names, through the control FIFO FBR_PERF_CONTROL of
    // a `perf record -D -1 --control fifo:<FIFO>` started around the benchmark.
    void profileFromEnvironment()
    {
        m_profiled = qEnvironmentVariable("FBR_PERF_PHASE");
        m_perf.setFileName(qEnvironmentVariable("FBR_PERF_CONTROL"));
        if (m_profiled.isEmpty() || !m_perf.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            m_profiled.clear();
    }
    void beginPhase(const QString& phase) { m_phase = phase; }

    double takeLongest() { return std::exchange(m_longest, 0.0); }

private:
    void tick()
    {
        m_longest = std::max(m_longest, double(m_sinceTick.nsecsElapsed()) / 1e9);
        m_sinceTick.start();
    }

    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    double m_longest = 0;
    QString m_profiled;
    QString m_phase;
    QFile m_perf;
};

// The most the process has held in memory at once, from the kernel's count.
long peakResidentBytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() * 1024;
    }
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Once the memory freed so far has been given back: the program gives it back after each pass,
// and what the bench itself freed (its sort of the names) would otherwise count as the list's.
long residentBytes()
{
    QThreadPool::globalInstance()->waitForDone();
    ReturnFreedMemory();
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// The bytes the program's allocations hold, whatever pages earlier ones left resident.
long heapBytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return long(info.uordblks + info.hblkhd);
}

bool underLoad = false;

struct Result
{
    QString phase;
    double median;
    double floor;
    double stall; // the window's longest stall in any of the runs
};

// The floors: plain C over the same folders.
double readdirFloor(const QByteArray& parent)
{
    return seconds([&] {
        DIR* dir = opendir(parent.constData());
        long count = 0;
        while (dirent* entry = readdir(dir))
            count += entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN;
        closedir(dir);
        if (count < 0)
            std::puts("");
    });
}

double statFloor(const QByteArray& parent, const std::vector<QByteArray>& names)
{
    return seconds([&] {
        char path[4096];
        struct stat info = {};
        for (const QByteArray& name : names) {
            std::snprintf(path, sizeof path, "%s/%s", parent.constData(), name.constData());
            ::stat(path, &info);
        }
    });
}

// The same question answered by one reading of the folder: a hash set of its names, and a
// stat only for the names it holds.
double listingFloor(const QByteArray& parent, const std::vector<QByteArray>& names)
{
    return seconds([&] {
        std::unordered_set<std::string> present;
        DIR* dir = opendir(parent.constData());
        while (dirent* entry = readdir(dir))
            present.insert(entry->d_name);
        closedir(dir);
        char path[4096];
        struct stat info = {};
        for (const QByteArray& name : names) {
            if (!present.count(name.toStdString()))
                continue;
            std::snprintf(path, sizeof path, "%s/%s", parent.constData(), name.constData());
            ::stat(path, &info);
        }
    });
}

// One stat of the target and one rename a folder, there and back; only "there" is timed.
double statRenameFloor(const QByteArray& parent, const std::vector<QByteArray>& names)
{
    char from[4096];
    char to[4096];
    struct stat info = {};
    const double there = seconds([&] {
        for (const QByteArray& name : names) {
            std::snprintf(from, sizeof from, "%s/%s", parent.constData(), name.constData());
            std::snprintf(to, sizeof to, "%s/%s_f", parent.constData(), name.constData());
            if (::stat(to, &info) != 0)
                ::rename(from, to);
        }
    });
    for (const QByteArray& name : names) {
        std::snprintf(from, sizeof from, "%s/%s_f", parent.constData(), name.constData());
        std::snprintf(to, sizeof to, "%s/%s", parent.constData(), name.constData());
        ::rename(from, to);
    }
    return there;
}

std::vector<QByteArray> currentNames(const DirectoryListModel& rows)
{
    std::vector<QByteArray> names;
    names.reserve(size_t(rows.count()));
    for (int i = 0; i < rows.count(); ++i)
        names.push_back(QFile::encodeName(rows.row(i).name()));
    return names;
}

void runScale(int n, int repetitions)
{
    const QString base = QDir(u"/dev/shm"_s).exists() ? u"/dev/shm"_s : QDir::tempPath();
    QTemporaryDir tree(base + u"/fbr-bench-XXXXXX"_s);
    const QString parent = tree.path() + u"/p"_s;
    QDir().mkpath(parent);
    std::vector<QByteArray> names;
    for (int i = 0; i < n; ++i) {
        names.push_back(QByteArray("folder ") + QByteArray::number(i));
        if (::mkdir((QFile::encodeName(parent) + '/' + names.back()).constData(), 0755) != 0) {
            // A full disk (or tmpfs out of inodes, as trees of killed runs leave it) would
            // measure fewer folders than it says.
            std::perror("mkdir");
            std::exit(1);
        }
    }
    const QByteArray nativeParent = QFile::encodeName(parent);
    QDir::setCurrent(parent);

    LinuxFileSystem fileSystem;
    BenchPlatform bench(fileSystem);
    Form1 window(bench.platform);
    window.show();
    QApplication::processEvents();
    DirectoryListModel& rows = window.rows();

    StallWatch stalls;
    stalls.profileFromEnvironment();
    std::vector<Result> results;
    std::vector<double> times;
    std::vector<double> floors;
    const auto record = [&](const QString& phase) {
        results.push_back({phase, median(times), median(floors), stalls.takeLongest()});
        // As it ends, so that a run stopped later still tells what it measured.
        std::printf("done: %s %.4f s (floor %.4f s)\n", qPrintable(phase), results.back().median,
                    results.back().floor);
        std::fflush(stdout);
        times.clear();
        floors.clear();
        stalls.beginPhase({});
    };

    FormAdd addDialog(&window, window.rows(), fileSystem, bench.messageBoxes, bench.passes);
    addDialog.show();
    stalls.beginPhase(u"listing"_s);
    for (int r = 0; r < repetitions; ++r) {
        floors.push_back(readdirFloor(nativeParent));
        times.push_back(stalls.watch([&] { addDialog.directoryList().setPath(parent); }));
    }
    record(u"listing"_s);
    // The sort alone, over the same names given all at once: what the listing's sorting while
    // it reads hides.
    std::vector<double> sorts;
    for (int r = 0; r < repetitions; ++r) {
        QStringList unsorted;
        for (const QByteArray& name : names)
            unsorted.append(QFile::decodeName(name));
        sorts.push_back(seconds([&] { SortNaturally(unsorted); }));
    }
    const double sortSeconds = median(sorts);

    // Measured once the sort's names are given back: the rows would take their room and look
    // smaller.
    const long emptyResident = residentBytes();
    const long emptyHeap = heapBytesInUse();
    stalls.beginPhase(u"addition"_s);
    for (int r = 0; r < repetitions; ++r) {
        window.clearList();
        QApplication::processEvents();
        floors.push_back(statFloor(nativeParent, names));
        addDialog.findChild<QRadioButton*>(u"Option2"_s)->setChecked(true);
        times.push_back(stalls.watch([&] { addDialog.addToList(); }));
        QApplication::processEvents();
    }
    record(u"addition"_s);
    if (rows.count() != n) {
        std::printf("only %d of %d folders were added\n", rows.count(), n);
        std::exit(1);
    }
    const long loadedResident = residentBytes();
    const long loadedHeap = heapBytesInUse();
    addDialog.hide();

    const auto preview = [&](const QString& suffix) {
        FormRename dialog(&window, window.rows(), fileSystem, bench.passes);
        dialog.findChild<QLineEdit*>(u"Text1"_s)->setText(suffix);
        return stalls.watch([&] { dialog.simulate(); });
    };
    // The preview asks about the proposed names, which mostly do not exist: a lookup that
    // misses costs the kernel more than one that finds its entry.
    std::vector<QByteArray> proposedNames;
    for (const QByteArray& name : names)
        proposedNames.push_back(name + "_x");
    std::vector<double> listingFloors;
    stalls.beginPhase(u"preview"_s);
    for (int r = 0; r < repetitions; ++r) {
        floors.push_back(statFloor(nativeParent, proposedNames));
        listingFloors.push_back(listingFloor(nativeParent, proposedNames));
        times.push_back(preview(u"_x"_s));
        QApplication::processEvents();
    }
    const double previewSeconds = median(times);
    record(u"preview"_s);
    results.push_back(
        {u"preview_by_listing"_s, previewSeconds, median(listingFloors), results.back().stall});

    // A rule of steps: numbers in the list's order, clean-up, full width to half.
    std::vector<QByteArray> numberedNames;
    const int digits = int(std::to_string(n).size());
    for (size_t i = 0; i < names.size(); ++i)
        numberedNames.push_back(names[i] + '_' +
                                QByteArray::number(qulonglong(i + 1)).rightJustified(digits, '0'));
    stalls.beginPhase(u"preview_steps"_s);
    const QJsonArray steps = QJsonDocument::fromJson(R"([{"step":"remove","trim":true},
        {"step":"halfWidth"},
        {"step":"number","start":1,"increment":1,"width":0,"place":"after","separator":"_"}])")
                                 .array();
    for (int r = 0; r < repetitions; ++r) {
        floors.push_back(statFloor(nativeParent, numberedNames));
        FormRules dialog(&window, window.rows(), fileSystem, bench.passes, bench.settings);
        dialog.setSteps(steps);
        times.push_back(stalls.watch([&] { dialog.simulate(); }));
        QApplication::processEvents();
    }
    record(u"preview_steps"_s);
    stalls.beginPhase(u"rename"_s);

    for (int r = 0; r < repetitions; ++r) {
        stalls.beginPhase({}); // not its preview
        preview(u"_"_s + QString::number(r));
        stalls.beginPhase(u"rename"_s);
        times.push_back(stalls.watch([&] { window.confirmRename(); }));
        floors.push_back(statRenameFloor(nativeParent, currentNames(rows)));
        QApplication::processEvents();
    }
    record(u"rename"_s);
    stalls.beginPhase(u"rename_planned"_s);

    // The same rule of steps, a planned batch: its plan over every row, then the renames.
    for (int r = 0; r < repetitions; ++r) {
        FormRules dialog(&window, window.rows(), fileSystem, bench.passes, bench.settings);
        dialog.setSteps(steps);
        dialog.simulate();
        QApplication::processEvents();
        times.push_back(stalls.watch([&] { window.confirmRename(); }));
        floors.push_back(statRenameFloor(nativeParent, currentNames(rows)));
        QApplication::processEvents();
    }
    record(u"rename_planned"_s);
    // The record of the last batch, per folder it renamed.
    const QFileInfoList records =
        QDir(bench.recordFiles.folder()).entryInfoList({u"batch-*"_s}, QDir::Files, QDir::Time);
    const double recordBytesPerFolder = records.isEmpty() ? 0 : double(records.first().size()) / n;
    stalls.beginPhase(u"undo"_s);
    // The undo of the last batch, its record read back included.
    times.push_back(stalls.watch([&] { window.undoRename(); }));
    floors.push_back(statRenameFloor(nativeParent, currentNames(rows)));
    record(u"undo"_s);

    // The name editor over every row: opened and shown; then as many lines pasted on its text
    // page and applied to the table.
    {
        std::vector<int> everyRow(size_t(rows.count()));
        std::iota(everyRow.begin(), everyRow.end(), 0);
        std::optional<FormNames> editor;
        stalls.beginPhase(u"names_open"_s);
        times.push_back(stalls.watch([&] {
            editor.emplace(&window, rows, *NameEdits::tableMadeAway(rows, everyRow, bench.passes),
                           fileSystem, bench.passes, bench.settings, bench.shell);
            editor->show();
            QApplication::processEvents();
        }));
        floors.push_back(0);
        record(u"names_open"_s);
        QStringList lines;
        for (int i = 0; i < rows.count(); ++i)
            lines.append(rows.row(i).name() + u"_p"_s);
        const QString pasted = lines.join(u"\r\n"_s);
        auto* pages = editor->findChild<QTabWidget*>(u"tabPages"_s);
        pages->setCurrentIndex(1);
        stalls.beginPhase(u"names_paste"_s);
        times.push_back(stalls.watch([&] {
            editor->findChild<QPlainTextEdit*>(u"textNames"_s)->setPlainText(pasted);
            pages->setCurrentIndex(0);
            QApplication::processEvents();
        }));
        floors.push_back(0);
        record(u"names_paste"_s);
    }
    // The editor's rows are let go of on the pool: not meanwhile.
    QThreadPool::globalInstance()->waitForDone();

    // A filter over every row (about a third of them pass at 100,000), and off again.
    stalls.beginPhase(u"filter"_s);
    times.push_back(stalls.watch([&] {
        window.filterRows(RowFilter::Containing, u"5"_s);
        QApplication::processEvents();
    }));
    floors.push_back(0);
    record(u"filter"_s);
    times.push_back(stalls.watch([&] {
        window.filterRows(RowFilter::All);
        QApplication::processEvents();
    }));
    floors.push_back(0);
    record(u"filter_off"_s);

    QItemSelectionModel& selection = *window.listView().selectionModel();
    times.push_back(stalls.watch([&] { window.selectAll(); }));
    floors.push_back(0);
    record(u"select_all"_s);
    // Half of the rows, in blocks of a hundred, as a user selects them with Shift and Ctrl.
    // Qt's selection model compares ranges pairwise, so every other single row would spend
    // most of a minute inside Qt at 100,000 rows and hours at a million.
    QItemSelection everyOther;
    constexpr int block = 100;
    for (int i = block; i < rows.count(); i += 2 * block)
        everyOther.select(rows.index(i, 0), rows.index(std::min(i + block, rows.count()) - 1,
                                                       DirectoryListModel::ColumnCount - 1));
    selection.select(everyOther, QItemSelectionModel::ClearAndSelect);
    stalls.beginPhase(u"remove_selected"_s);
    times.push_back(stalls.watch([&] { window.removeSelected(); }));
    floors.push_back(0);
    record(u"remove_selected"_s);
    const int remaining = rows.count();
    times.push_back(stalls.watch([&] { window.clearList(); }));
    floors.push_back(0);
    record(u"clear"_s);

    std::printf("\nN = %d folders in %s (median of %d; floors in plain C, same run)\n", n,
                qPrintable(base), repetitions);
    std::printf("%-18s %10s %10s %7s %10s\n", "phase", "median s", "floor s", "ratio", "stall s");
    for (const Result& result : results) {
        std::printf("%-18s %10.4f %10.4f %7.2f %10.4f\n", qPrintable(result.phase), result.median,
                    result.floor, result.floor > 0 ? result.median / result.floor : 0.0,
                    result.stall);
    }
    const Result& listing = results.front();
    std::printf("the listing's sort alone: %.4f s (%.2f x readdir)\n", sortSeconds,
                sortSeconds / listing.floor);
    const double bytesPerRow = double(loadedResident - emptyResident) / n;
    const double heapBytesPerRow = double(loadedHeap - emptyHeap) / n;
    std::printf("rows left after removing half: %d\n", remaining);
    std::printf("resident: empty list %ld bytes, %d rows %ld bytes, %.0f bytes a row\n",
                emptyResident, n, loadedResident, bytesPerRow);
    std::printf("heap in use: %.0f bytes a row\n", heapBytesPerRow);
    for (const Result& result : results) {
        std::printf("RESULT phase=%s n=%d load=%d median_s=%.6f floor_s=%.6f ratio=%.3f "
                    "stall_s=%.4f\n",
                    qPrintable(result.phase), n, int(underLoad), result.median, result.floor,
                    result.floor > 0 ? result.median / result.floor : 0.0, result.stall);
    }
    std::printf("RESULT phase=sort_alone n=%d median_s=%.6f floor_s=%.6f ratio=%.3f\n", n,
                sortSeconds, listing.floor, sortSeconds / listing.floor);
    std::printf("RESULT memory n=%d bytes_per_row=%.0f heap_bytes_per_row=%.0f\n", n, bytesPerRow,
                heapBytesPerRow);
    std::printf("RESULT record n=%d bytes_per_folder=%.0f\n", n, recordBytesPerFolder);
    std::printf("RESULT peak n=%d resident_bytes=%ld\n", n, peakResidentBytes());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    underLoad = arguments.removeAll(u"--load"_s) > 0;
    const CoreKeptBusy load(underLoad);
    std::vector<int> sizes;
    for (const QString& argument : std::as_const(arguments))
        sizes.push_back(argument.toInt());
    if (sizes.empty())
        sizes = {10000, 100000};
    // On a virtual machine one repetition's floor may differ from the next by a fifth: the
    // median of nine keeps a ratio within a few hundredths from run to run.
    for (int n : sizes)
        runScale(n, n >= 1000000 ? 1 : 9);
    return 0;
}
