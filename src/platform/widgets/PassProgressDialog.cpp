#include "PassProgressDialog.h"

#include "common/AppInfo.h"
#include "platform/PassRunner.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// How long the file system may keep a folder before the dialog says that it waits.
constexpr qint64 waitingNoticeMs = 1500;

} // namespace

PassProgressDialog::PassProgressDialog(QWidget* parent, const QString& progressText, int total,
                                       PassControl& control)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_progressText(progressText), m_total(total), m_control(control)
{
    setObjectName(u"PassProgressDialog"_s);
    setWindowTitle(AppInfo::title());
    setWindowModality(Qt::ApplicationModal);

    m_progressLabel = new QLabel(this);
    m_progressLabel->setObjectName(u"progressLabel"_s);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(u"progressBar"_s);
    // A pass of one long call has no count: the bar only says that it is busy.
    m_progressBar->setRange(0, std::max(total, 0));
    m_progressBar->setTextVisible(false);
    m_waitingLabel = new QLabel(this);
    m_waitingLabel->setObjectName(u"waitingLabel"_s);
    m_cancelButton = new QPushButton(tr("取消"), this);
    m_cancelButton->setObjectName(u"cancelButton"_s);
    // Keys typed meanwhile, meant for the window, never cancel: a click or Esc does.
    m_cancelButton->setAutoDefault(false);
    m_cancelButton->setFocusPolicy(Qt::NoFocus);
    connect(m_cancelButton, &QPushButton::clicked, this, &PassProgressDialog::cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_progressLabel);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_waitingLabel);
    layout->addWidget(m_cancelButton, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(380);
    m_progressLabel->setMinimumWidth(360);

    m_sinceProgress.start();
    showProgress();
}

void PassProgressDialog::showProgress()
{
    const int done = m_control.done();
    if (done != m_shownDone) {
        const QLocale chinese(QLocale::Chinese, QLocale::China);
        m_progressLabel->setText(m_total <= 0
                                     ? m_progressText
                                     : u"%1 %2 / %3"_s.arg(m_progressText, chinese.toString(done),
                                                           chinese.toString(m_total)));
        if (m_total > 0)
            m_progressBar->setValue(std::min(done, m_total));
        m_shownDone = done;
        m_sinceProgress.restart();
    }
    QString notice;
    if (m_control.cancelRequested())
        notice = tr("正在取消，等待当前的操作结束……");
    else if (m_sinceProgress.elapsed() >= waitingNoticeMs)
        notice = tr("正在等待磁盘或网络响应……");
    if (m_waitingLabel->text() != notice)
        m_waitingLabel->setText(notice);
}

void PassProgressDialog::cancel()
{
    m_control.requestCancel();
    m_cancelButton->setEnabled(false);
    showProgress();
}

void PassProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cancel();
}

void PassProgressDialog::reject()
{
    cancel();
}
