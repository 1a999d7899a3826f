#include "FormHistory.h"

#include "UndoRename.h"
#include "common/AppInfo.h"
#include "common/NameBytes.h"
#include "platform/MessageBoxes.h"
#include "platform/PassRunner.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"
#include "platform/Settings.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Folders shown for one batch; the rest are counted.
constexpr int foldersShown = 2000;

QTreeWidget* makeTable(QWidget* parent, const QString& name, const QStringList& headers)
{
    auto* table = new QTreeWidget(parent);
    table->setObjectName(name);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setHeaderLabels(headers);
    table->header()->setStretchLastSection(true);
    return table;
}

} // namespace

void ApplyRecordsKept(RecordStore& records, const Settings& settings)
{
    records.keep(settings.value(Settings::Key::RecordsKeptCount).toInt(),
                 settings.value(Settings::Key::RecordsKeptDays).toInt());
}

FormHistory::FormHistory(QWidget* parent, DirectoryListModel& rows, Platform& platform,
                         RecordStore& records)
    : QDialog(parent), m_rows(rows), m_platform(platform), m_records(records)
{
    setObjectName(u"FormHistory"_s);
    setWindowTitle(tr("修改记录"));
    setSizeGripEnabled(true);
    resize(720, 520);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("最近的批量修改（最新的在前）："), this));
    m_batches = makeTable(this, u"batches"_s, {tr("时间"), tr("规则"), tr("目录数"), tr("状态")});
    m_batches->setAccessibleName(tr("批量修改"));
    layout->addWidget(m_batches, 3);
    layout->addWidget(new QLabel(tr("这次修改的目录："), this));
    m_folders = makeTable(this, u"folders"_s, {tr("修改前"), tr("修改后"), tr("结果"), tr("位置")});
    m_folders->setAccessibleName(tr("这次修改的目录"));
    layout->addWidget(m_folders, 4);
    m_why = new QLabel(this);
    m_why->setObjectName(u"why"_s);
    m_why->setWordWrap(true);
    layout->addWidget(m_why);

    auto* bottom = new QHBoxLayout;
    m_undo = new QPushButton(tr("撤销这次修改(&U)"), this);
    m_undo->setObjectName(u"undo"_s);
    m_undo->setEnabled(false);
    bottom->addWidget(m_undo);
    bottom->addStretch();
    bottom->addWidget(new QLabel(tr("保留最近"), this));
    m_keptCount = new QSpinBox(this);
    m_keptCount->setObjectName(u"keptCount"_s);
    m_keptCount->setRange(1, 1000);
    bottom->addWidget(m_keptCount);
    bottom->addWidget(new QLabel(tr("次修改，最多"), this));
    m_keptDays = new QSpinBox(this);
    m_keptDays->setObjectName(u"keptDays"_s);
    m_keptDays->setRange(1, 3650);
    bottom->addWidget(m_keptDays);
    bottom->addWidget(new QLabel(tr("天"), this));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setText(tr("关闭"));
    bottom->addWidget(close);
    layout->addLayout(bottom);

    m_keptCount->setValue(platform.settings.value(Settings::Key::RecordsKeptCount).toInt());
    m_keptDays->setValue(platform.settings.value(Settings::Key::RecordsKeptDays).toInt());

    connect(m_batches, &QTreeWidget::currentItemChanged, this, &FormHistory::showSelected);
    connect(m_undo, &QPushButton::clicked, this, &FormHistory::undoSelected);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_keptCount, &QSpinBox::valueChanged, this, &FormHistory::keepChanged);
    connect(m_keptDays, &QSpinBox::valueChanged, this, &FormHistory::keepChanged);
}

FormHistory::~FormHistory() = default;

void FormHistory::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_readStarted) {
        m_readStarted = true;
        QMetaObject::invokeMethod(this, &FormHistory::readHistory, Qt::QueuedConnection);
    }
}

void FormHistory::readHistory()
{
    // Which records there are and which a window holds, here, as the records' locks are
    // taken here; their contents away from the windows' thread: records may be large, the
    // disk slow. (Asking a lock from a worker thread hangs the program under wine.)
    const QList<RecordStore::Record> records = m_records.history();
    QList<BatchInHistory> history;
    m_platform.passes.run(
        tr("正在读取修改记录……"), 0,
        [&](PassControl&) { history = ReadHistory(m_records, records, m_platform.fileSystem); },
        [] {});
    m_history = std::move(history);
    m_batches->clear();
    for (const BatchInHistory& batch : std::as_const(m_history)) {
        const QString rule = !batch.content                  ? QString()
                             : batch.content->rule.isEmpty() ? tr("（未记下规则）")
                                                             : batch.content->rule;
        QString state = StateText(batch.state());
        if (batch.state() == BatchInHistory::State::PartlyUndone)
            state += tr("（已撤销 %n 个）", nullptr, int(batch.undoneCount));
        auto* item = new QTreeWidgetItem(
            m_batches, {QLocale().toString(batch.record.began, u"yyyy-MM-dd HH:mm:ss"_s), rule,
                        QString::number(batch.renamedCount), state});
        item->setToolTip(1, rule);
    }
    // Every column in sight at the dialog's size: the rule takes what the others leave, elided
    // in the middle, whole in its tooltip.
    QHeaderView* columns = m_batches->header();
    columns->setStretchLastSection(false);
    for (int column : {0, 2, 3})
        columns->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    columns->setSectionResizeMode(1, QHeaderView::Stretch);
    m_batches->setTextElideMode(Qt::ElideMiddle);
    if (!m_history.isEmpty())
        select(0);
    else
        m_why->setText(tr("还没有批量修改的记录。"));
    Q_EMIT historyRead();
}

void FormHistory::select(int position)
{
    m_batches->setCurrentItem(m_batches->topLevelItem(position));
}

void FormHistory::showSelected()
{
    m_folders->clear();
    const int position = m_batches->indexOfTopLevelItem(m_batches->currentItem());
    m_undo->setEnabled(false);
    m_why->clear();
    if (position < 0)
        return;
    const BatchInHistory& batch = m_history[position];
    if (!batch.content) {
        m_why->setText(tr("这次修改的记录无法读取。"));
        return;
    }
    QList<QTreeWidgetItem*> items;
    for (const RecordEntry& entry : batch.content->entries) {
        if (items.size() == foldersShown)
            break;
        items.append(new QTreeWidgetItem({VisibleName(entry.oldName), VisibleName(entry.newName),
                                          RenameRecord::shownStateWord(entry.state),
                                          VisibleName(entry.parent)}));
    }
    m_folders->addTopLevelItems(items);
    const int more = int(batch.content->entries.size()) - int(items.size());
    if (more > 0)
        m_folders->addTopLevelItem(
            new QTreeWidgetItem({tr("……另有 %n 个目录", nullptr, int(more))}));
    for (int column = 0; column < 3; ++column)
        m_folders->resizeColumnToContents(column);

    if (batch.state() == BatchInHistory::State::InUseElsewhere) {
        m_why->setText(tr("这次修改的记录正在另一个窗口中使用，请在那个窗口中撤销。"));
        return;
    }
    if (!batch.content->anyToUndo()) {
        m_why->setText(tr("这次修改没有可以撤销的目录。"));
        return;
    }
    const QList<int> blocking = BatchesBlocking(m_history, position);
    if (!blocking.isEmpty()) {
        QStringList when;
        for (int newer : blocking)
            when.append(QLocale().toString(m_history[newer].record.began, u"MM-dd HH:mm:ss"_s));
        m_why->setText(tr("之后的修改又改动了这次修改过的目录，请先撤销 %1 的修改。")
                           .arg(when.join(tr("、"))));
        return;
    }
    if (batch.state() == BatchInHistory::State::OnAnotherComputer) {
        m_why->setText(tr("这次修改的记录可能正在另一台电脑（%1）上使用。如果那台电脑上的本程序"
                          "已经关闭，可以接管这个记录并撤销。")
                           .arg(batch.record.otherComputer));
    }
    m_undo->setEnabled(true);
}

void FormHistory::undoSelected()
{
    const int position = m_batches->indexOfTopLevelItem(m_batches->currentItem());
    if (position < 0 || !m_undo->isEnabled())
        return;
    const RecordStore::Record& chosen = m_history[position].record;
    const QString name = chosen.name;
    // The record this window holds, or may take; the question to ask before the undo.
    QString question = tr("你确定要撤销这次修改吗？");
    std::unique_ptr<HeldRecord> held;
    HeldRecord* record = nullptr;
    if (!chosen.otherComputer.isEmpty()) {
        const QString takeOver =
            tr("这次修改的记录可能正在另一台电脑（%1）上使用。只有那台电脑上的本程序已经关闭时，"
               "才能接管它。\n确定要接管这个记录并撤销这次修改吗？")
                .arg(chosen.otherComputer);
        if (!m_platform.messageBoxes.askYesNo(AppInfo::title(), takeOver))
            return;
        held = m_records.takeOver(name);
        question.clear(); // asked already
    } else if (name == m_records.ownedName()) {
        record = m_records.owned();
    } else {
        held = m_records.hold(name);
    }
    if (held)
        record = held.get();
    if (record) {
        UndoBatch(m_rows, m_platform.fileSystem, m_records, *record, m_platform.messageBoxes,
                  m_platform.passes, question);
    } else {
        m_platform.messageBoxes.inform(
            AppInfo::title(), chosen.otherComputer.isEmpty()
                                  ? tr("这次修改的记录正在另一个窗口中使用，请在那个窗口中撤销。")
                                  : tr("这次修改的记录仍在另一台电脑上使用，无法接管。"));
    }
    readHistory();
    for (int i = 0; i < m_history.size(); ++i) {
        if (m_history[i].record.name == name)
            select(i);
    }
}

void FormHistory::keepChanged()
{
    m_platform.settings.setValue(Settings::Key::RecordsKeptCount, m_keptCount->value());
    m_platform.settings.setValue(Settings::Key::RecordsKeptDays, m_keptDays->value());
    ApplyRecordsKept(m_records, m_platform.settings);
}
