#pragma once

#include <QDialog>
#include <QElapsedTimer>

class PassControl;
class QLabel;
class QProgressBar;
class QPushButton;

// A long pass's progress: the count done of the total, a waiting notice when the file system
// has not answered for a while, and 取消, which asks the pass to stop before its next folder.
// Closing it or pressing Esc cancels too; the dialog goes only when the pass has ended.
class PassProgressDialog : public QDialog
{
    Q_OBJECT

public:
    PassProgressDialog(QWidget* parent, const QString& progressText, int total,
                       PassControl& control);

    // Shows the control's count; called now and then while the pass runs.
    void showProgress();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void cancel();

    QString m_progressText;
    int m_total;
    PassControl& m_control;
    int m_shownDone = -1;
    QElapsedTimer m_sinceProgress;

    QLabel* m_progressLabel = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QLabel* m_waitingLabel = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
