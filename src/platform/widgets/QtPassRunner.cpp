#include "QtPassRunner.h"

#include "PassProgressDialog.h"
#include "platform/FreedMemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <memory>

using namespace std::chrono_literals;

namespace {

// Until then a pass shows nothing new; input waits, as it would for a short pass.
constexpr auto progressDialogDelay = 500ms;
// How often the list takes over what the pass did, and the dialog shows the count: at least
// every tenth of a second, and sooner once many rows wait, so that no hand-over is long, nor
// the last one, which comes after the worker and is waited for. A slow disk's few rows still
// come in batches, not a notification a row.
constexpr auto resultsInterval = 100ms;
constexpr auto resultsCheckInterval = 25ms;
constexpr int rowsWorthTakingSooner = 1024;

// The window the progress dialog belongs to: the modal dialog that started the pass, or the
// active window (the window of a menu rather than the menu).
QWidget* dialogOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* active = QApplication::activeWindow();
    while (active && active->windowType() == Qt::Popup && active->parentWidget())
        active = active->parentWidget()->window();
    return active;
}

} // namespace

PassEnd QtPassRunner::run(const QString& progressText, int total,
                          const std::function<void(PassControl&)>& work,
                          const std::function<void()>& takeResults)
{
    if (m_control)
        return PassEnd::Refused;
    PassControl control;
    m_control = &control;
    m_closing = false;

    const std::unique_ptr<QThread> worker(QThread::create([&work, &control] { work(control); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    // Owned by its window too, which may go first: held weakly.
    QPointer<PassProgressDialog> dialog;
    QTimer resultsTimer;
    resultsTimer.setInterval(resultsCheckInterval);
    QElapsedTimer sinceTaken;
    sinceTaken.start();
    int doneWhenTaken = 0;
    int handedOverWhenTaken = 0;
    QObject::connect(&resultsTimer, &QTimer::timeout, &loop, [&] {
        const bool due = std::chrono::nanoseconds(sinceTaken.nsecsElapsed()) >=
                         resultsInterval - resultsCheckInterval / 2;
        if (!due && control.done() - doneWhenTaken < rowsWorthTakingSooner &&
            control.handedOver() - handedOverWhenTaken < rowsWorthTakingSooner)
            return;
        doneWhenTaken = control.done();
        handedOverWhenTaken = control.handedOver();
        sinceTaken.start();
        takeResults();
        if (dialog)
            dialog->showProgress();
    });
    bool dialogDue = false;
    QTimer::singleShot(progressDialogDelay, &loop, [&] {
        dialogDue = true;
        loop.quit();
    });

    worker->start();
    resultsTimer.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (dialogDue && !worker->isFinished()) {
        dialog = new PassProgressDialog(dialogOwner(), progressText, total, control);
        dialog->show();
        loop.exec();
    }
    if (!worker->isFinished()) {
        // The loops were ended from outside: the program is quitting.
        m_closing = true;
        control.requestCancel();
        worker->wait();
    }
    resultsTimer.stop();
    takeResults();
    delete dialog.data();

    m_control = nullptr;
    const PassEnd end = m_closing           ? PassEnd::Closing
                        : control.stopped() ? PassEnd::Cancelled
                                            : PassEnd::Completed;
    if (m_closeWindow)
        QTimer::singleShot(0, qApp, std::exchange(m_closeWindow, {}));
    // Once the pass's caller has freed its copy of the rows too.
    QTimer::singleShot(0, qApp, &ReturnFreedMemorySoon);
    return end;
}

bool QtPassRunner::cancelForClosing(std::function<void()> closeWindow)
{
    if (!m_control)
        return false;
    m_closing = true;
    m_closeWindow = std::move(closeWindow);
    m_control->requestCancel();
    return true;
}
