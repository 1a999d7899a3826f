#include "Form1.h"

#include "CommandLine.h"

#include "DirectoryListView.h"
#include "about/HelpLinks.h"
#include "about/frmAbout.h"
#include "collect/FormAdd.h"
#include "common/AppInfo.h"
#include "common/Csv.h"
#include "common/NameBytes.h"
#include "common/WindowPlacement.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PassRunner.h"
#include "platform/Shell.h"
#include "platform/widgets/NativePlatform.h"
#include "rename/BatchRename.h"
#include "rename/FormHistory.h"
#include "rename/RecordStore.h"
#include "rename/UndoRename.h"
#include "rows/DirectoryListModel.h"
#include "rules/FormNames.h"
#include "rules/FormRename.h"
#include "rules/FormRules.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Sizes in pixels at 96 dots per inch (a design in twips divided by 15).
constexpr QSize clientSize(624, 428);
constexpr int statusBarHeight = 19;
constexpr QRect label1Place(5, 6, 0, 0);
constexpr QRect label2Place(547, 8, 0, 0);
constexpr QRect listPlace(4, 21, 610, 388);
constexpr int statusBar1Panel1Width = 96;
constexpr int statusBar1Panel2Width = 511;
constexpr int columnWidth = 200;

QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

// Separators keep the design's arbitrary names (tiou987 and the like).
void addSeparator(QMenu* menu, const QString& objectName)
{
    menu->addSeparator()->setObjectName(objectName);
}

QMenu* addSubmenu(QWidget* owner, const QString& objectName, const QString& caption)
{
    auto* menu = new QMenu(caption, owner);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName);
    return menu;
}

} // namespace

Form1::Form1(Platform& platform, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_platform(platform), m_rows(new DirectoryListModel(this)),
      m_records(new RecordStore(platform.recordFiles, this))
{
    setObjectName(u"Form1"_s);
    createControls();
    createMenus();
    setWindowTitle(AppInfo::mainWindowTitle());
    setAcceptDrops(true);
    CentreOnScreen(*this);
}

Form1::~Form1() = default;

void Form1::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setFixedSize(clientSize.width(), clientSize.height() - statusBarHeight);
    setCentralWidget(client);

    ListView1 = new DirectoryListView(client);
    ListView1->setObjectName(u"ListView1"_s);
    ListView1->setAccessibleName(u"待修改目录列表"_s);
    ListView1->setModel(m_rows);
    ListView1->setGeometry(listPlace);
    for (int column = 0; column < DirectoryListModel::ColumnCount; ++column)
        ListView1->header()->resizeSection(column, columnWidth);

    Label1 = new QLabel(u"待修改目录列表："_s, client);
    Label1->setObjectName(u"Label1"_s);
    Label1->move(label1Place.topLeft());
    Label1->adjustSize();
    Label1->setBuddy(ListView1);

    Label2 = new QLabel(client);
    Label2->setObjectName(u"Label2"_s);
    Label2->move(label2Place.topLeft());
    showRowCount();
    connect(m_rows, &QAbstractItemModel::rowsInserted, this, &Form1::showRowCount);
    connect(m_rows, &QAbstractItemModel::rowsRemoved, this, &Form1::showRowCount);
    connect(m_rows, &QAbstractItemModel::modelReset, this, &Form1::showRowCount);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(u"StatusBar1"_s);
    bar->setSizeGripEnabled(false);
    // The design's height, or more where the font needs it: below the baseline a name's
    // underscores would be cut off. The bar's spacing above (3) and below (2) and the panels'
    // frames (2) take seven.
    bar->setFixedHeight(std::max(statusBarHeight, bar->fontMetrics().height() + 7));
    StatusBar1Panel1 = new QLabel(u"Morvel软件"_s, bar);
    StatusBar1Panel1->setObjectName(u"StatusBar1Panel1"_s);
    StatusBar1Panel1->setFixedWidth(statusBar1Panel1Width);
    StatusBar1Panel2 = new QLabel(bar);
    StatusBar1Panel2->setObjectName(u"StatusBar1Panel2"_s);
    StatusBar1Panel2->setMinimumWidth(statusBar1Panel1Width);
    StatusBar1Panel2->setFixedWidth(statusBar1Panel2Width);
    for (QLabel* panel : {StatusBar1Panel1, StatusBar1Panel2}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        bar->addWidget(panel);
    }
    setStatusBar(bar);

    // The window keeps its size and its controls their places.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(ListView1, &DirectoryListView::rightButtonPressed, this, &Form1::popUpListMenu);
    connect(ListView1, &DirectoryListView::contextMenuKeyPressed, this, &Form1::popUpListMenu);
    connect(ListView1, &DirectoryListView::rowPointedAt, this, &Form1::showPathOf);
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Form1::showCurrentRow);
    connect(m_rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                const int current = currentRow();
                if (current >= topLeft.row() && current <= bottomRight.row())
                    showCurrentRow();
            });
    ListView1->setFocus();
}

void Form1::createMenus()
{
    menu列表 = addSubmenu(this, u"menu列表"_s, u"列表(&L)"_s);
    connect(addItem(menu列表, u"menu添加目录"_s, u"添加目录"_s), &QAction::triggered, this,
            &Form1::openAddDialog);
    addSeparator(menu列表, u"tiou987"_s);
    connect(addItem(menu列表, u"menu全选"_s, u"全选"_s), &QAction::triggered, this,
            &Form1::selectAll);
    connect(addItem(menu列表, u"menu移除选中项"_s, u"移除选中项"_s), &QAction::triggered, this,
            &Form1::removeSelected);
    connect(addItem(menu列表, u"menu清空"_s, u"清空"_s), &QAction::triggered, this,
            &Form1::clearList);
    // Beyond the design: the order of the rows, which numbering follows.
    QMenu* menu排序 = addSubmenu(menu列表, u"menu排序"_s, u"排序(&O)"_s);
    menu列表->addMenu(menu排序);
    // Checked: the order and direction the list was last put in.
    const auto addChoice = [this](QMenu* menu, QActionGroup* group, const QString& name,
                                  const QString& text, bool checked, auto sort) {
        QAction* item = addItem(menu, name, text);
        item->setCheckable(true);
        item->setChecked(checked);
        group->addAction(item);
        connect(item, &QAction::triggered, this, sort);
    };
    auto* orders = new QActionGroup(menu排序);
    addChoice(menu排序, orders, u"menu按名称"_s, u"按名称"_s, false,
              [this] { sortRows(RowOrder::ByName); });
    addChoice(menu排序, orders, u"menu按修改时间"_s, u"按修改时间"_s, false,
              [this] { sortRows(RowOrder::ByModified); });
    addChoice(menu排序, orders, u"menu按加入顺序"_s, u"按加入顺序"_s, true,
              [this] { sortRows(RowOrder::ByAddition); });
    addSeparator(menu排序, u"menu排序方向分隔"_s);
    auto* directions = new QActionGroup(menu排序);
    addChoice(menu排序, directions, u"menu升序"_s, u"升序"_s, true,
              [this] { sortRows(Qt::AscendingOrder); });
    addChoice(menu排序, directions, u"menu降序"_s, u"降序"_s, false,
              [this] { sortRows(Qt::DescendingOrder); });
    // Beyond the design: the list as CSV, to edit its new names in a spreadsheet.
    connect(addItem(menu列表, u"menu导出列表"_s, u"导出列表(&X)…"_s), &QAction::triggered, this,
            [this] {
                // In the user's documents, not wherever the program was started from.
                const QString path = QFileDialog::getSaveFileName(
                    this, u"导出列表"_s,
                    QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                        u"/目录列表.csv"_s,
                    u"CSV 文件 (*.csv)"_s);
                if (path.isEmpty())
                    return;
                const QString shown = VisibleName(QDir::toNativeSeparators(path));
                m_platform.messageBoxes.inform(AppInfo::title,
                                               exportList(path) ? u"列表已导出到“%1”。"_s.arg(shown)
                                                                : u"无法写入“%1”。"_s.arg(shown));
            });
    addSeparator(menu列表, u"uyhoiu8797"_s);
    connect(addItem(menu列表, u"menu打开修改前目录"_s, u"打开修改前目录"_s), &QAction::triggered,
            this, &Form1::openCurrentDirectory);
    addSeparator(menu列表, u"uiyiu9889"_s);
    connect(addItem(menu列表, u"menu退出"_s, u"退出"_s), &QAction::triggered, this,
            &Form1::exitProgram);

    QMenu* menu修改 = addSubmenu(this, u"menu修改"_s, u"修改(&R)"_s);
    connect(addItem(menu修改, u"menu模拟修改"_s, u"模拟修改"_s), &QAction::triggered, this,
            &Form1::openRenameDialog);
    // Beyond the design: rules made of steps, in a dialog of their own.
    connect(addItem(menu修改, u"menu更多规则"_s, u"更多规则(&M)…"_s), &QAction::triggered, this,
            &Form1::openRulesDialog);
    connect(addItem(menu修改, u"menu编辑新名称"_s, u"编辑新名称(&E)…"_s), &QAction::triggered, this,
            &Form1::openNamesDialog);
    connect(addItem(menu修改, u"menu确认修改"_s, u"确认修改"_s), &QAction::triggered, this,
            &Form1::confirmRename);
    // Beyond the design: the undo of the last batch.
    menu撤销修改 = addItem(menu修改, u"menu撤销修改"_s, u"撤销修改(&U)"_s);
    connect(menu撤销修改, &QAction::triggered, this, &Form1::undoRename);
    // On exactly while the last batch has something to undo, as its record says.
    menu撤销修改->setEnabled(false);
    connect(m_records, &RecordStore::undoableChanged, menu撤销修改, &QAction::setEnabled);
    ApplyRecordsKept(*m_records, m_platform.settings);
    m_records->refresh();
    connect(addItem(menu修改, u"menu修改记录"_s, u"修改记录(&H)…"_s), &QAction::triggered, this,
            &Form1::openHistory);

    QMenu* menu帮助 = addSubmenu(this, u"menu帮助"_s, u"帮助(&H)"_s);
    connect(addItem(menu帮助, u"menu关于"_s, u"关于"_s), &QAction::triggered, this,
            &Form1::openAboutBox);
    connect(addItem(menu帮助, u"menu最新版本"_s, u"最新版本"_s), &QAction::triggered, this,
            [this] { openWebLink(HelpLinks::latestVersion); });
    QMenu* menu作者网站 = addSubmenu(menu帮助, u"menu作者网站"_s, u"作者网站"_s);
    menu帮助->addMenu(menu作者网站);
    connect(addItem(menu作者网站, u"menuMorvel网"_s, u"Morvel网"_s), &QAction::triggered, this,
            [this] { openWebLink(HelpLinks::secondSite); });
    connect(addItem(menu作者网站, u"menuMorvel软件"_s, u"Morvel软件"_s), &QAction::triggered, this,
            [this] { openWebLink(HelpLinks::makerSite); });
    connect(addItem(menu帮助, u"menu定制软件"_s, u"定制软件"_s), &QAction::triggered, this,
            [this] { openWebLink(HelpLinks::customSoftware); });
    // Beyond the design: the file manager's right-click entry, for a program not installed for
    // every user (the installer's entry is the installer's to remove).
    addSeparator(menu帮助, u"menu右键菜单分隔"_s);
    menu右键菜单 =
        addItem(menu帮助, u"menu右键菜单"_s, u"加入%1右键菜单"_s.arg(FolderMenu::fileManager()));
    connect(menu右键菜单, &QAction::triggered, this, &Form1::toggleFolderMenu);
    // Read when the menu opens, not while the window starts.
    connect(menu帮助, &QMenu::aboutToShow, this, &Form1::showFolderMenuState);

    for (QMenu* menu : {menu列表, menu修改, menu帮助})
        menuBar()->addMenu(menu);
}

void Form1::showRowCount()
{
    Label2->setText(QString::number(m_rows->count()));
    Label2->adjustSize();
}

int Form1::currentRow() const
{
    const QModelIndex current = ListView1->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void Form1::popUpListMenu(const QPoint& globalPosition)
{
    menu列表->popup(globalPosition);
}

void Form1::showPathOf(int row)
{
    const QString path = pathInWords(m_rows->row(row));
    StatusBar1Panel2->setText(path);
    StatusBar1Panel2->setToolTip(path);
}

QString Form1::pathInWords(const DirectoryRow& row)
{
    const QString path = VisibleName(row.key);
    const QString note = UnseenCharactersNote(row.name);
    return note.isEmpty() ? path : path + u"　（"_s + note + u'）';
}

void Form1::showCurrentRow()
{
    using Outcome = Verdict::Outcome;
    const int current = currentRow();
    if (current < 0)
        return;
    const DirectoryRow& row = m_rows->row(current);
    QString text = pathInWords(row);
    const Outcome outcome = row.verdict.outcome;
    if (outcome == Outcome::Failed || outcome == Outcome::UndoFailed ||
        outcome == Outcome::NameProposedEarlier) {
        const QModelIndex verdict = m_rows->index(current, DirectoryListModel::VerdictColumn);
        text += u"　"_s + verdict.data(Qt::ToolTipRole).toString().replace(u'\n', u' ');
    }
    StatusBar1Panel2->setText(text);
    StatusBar1Panel2->setToolTip(text);
}

void Form1::openAddDialog()
{
    FormAdd dialog(this, *m_rows, m_platform.fileSystem, m_platform.messageBoxes,
                   m_platform.passes);
    dialog.exec();
}

void Form1::selectAll()
{
    const int n = m_rows->count();
    if (n == 0)
        return;
    ListView1->selectionModel()->select(
        QItemSelection(m_rows->index(0, 0),
                       m_rows->index(n - 1, DirectoryListModel::ColumnCount - 1)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void Form1::removeSelected()
{
    // The selection is read once, as ranges; the rows go in one pass, front to back.
    std::vector<bool> marked(size_t(m_rows->count()), false);
    const QItemSelection selection = ListView1->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            marked[size_t(r)] = true;
    }
    const int current = currentRow();
    int currentAfter = -1;
    if (current >= 0 && !marked[size_t(current)])
        currentAfter = current - int(std::count(marked.begin(), marked.begin() + current, true));

    m_rows->removeMarked(marked);
    if (currentAfter >= 0)
        ListView1->selectionModel()->setCurrentIndex(m_rows->index(currentAfter, 0),
                                                     QItemSelectionModel::NoUpdate);
}

void Form1::clearList()
{
    m_rows->removeAll(); // refused while a pass holds the rows
}

void Form1::openCurrentDirectory()
{
    const int current = currentRow();
    if (current < 0)
        return;
    m_platform.shell.openLocalPath(m_rows->row(current).key);
}

void Form1::exitProgram()
{
    close();
}

void Form1::openRenameDialog()
{
    FormRename dialog(this, *m_rows, m_platform.fileSystem, m_platform.passes);
    dialog.exec();
}

void Form1::openRulesDialog()
{
    FormRules dialog(this, *m_rows, m_platform.fileSystem, m_platform.passes, m_platform.settings);
    dialog.exec();
}

bool Form1::exportList(const QString& path) const
{
    QList<QStringList> lines{{u"路径"_s, u"原名称"_s, u"新名称"_s}};
    lines.reserve(m_rows->count() + 1);
    for (int i = 0; i < m_rows->count(); ++i) {
        const DirectoryRow& row = m_rows->row(i);
        lines.append(
            {VisibleName(row.key), VisibleName(row.name), VisibleName(row.proposedName())});
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(CsvFile(lines)) >= 0 && file.commit();
}

void Form1::openNamesDialog()
{
    // The selected rows, or every row where none is selected.
    std::vector<int> shown;
    for (const QItemSelectionRange& range : ListView1->selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            shown.push_back(r);
    }
    std::sort(shown.begin(), shown.end());
    if (shown.empty()) {
        shown.resize(size_t(m_rows->count()));
        std::iota(shown.begin(), shown.end(), 0);
    }
    FormNames dialog(this, *m_rows, std::move(shown), m_platform.fileSystem, m_platform.passes,
                     m_platform.settings, m_platform.shell);
    dialog.exec();
}

void Form1::sortRows(RowOrder order)
{
    if (SortRows(*m_rows, m_platform.fileSystem, order, m_platform.passes, m_direction) ==
        PassEnd::Completed)
        m_order = order;
    showSortChoice();
}

void Form1::sortRows(Qt::SortOrder direction)
{
    if (SortRows(*m_rows, m_platform.fileSystem, m_order, m_platform.passes, direction) ==
        PassEnd::Completed)
        m_direction = direction;
    showSortChoice();
}

void Form1::showSortChoice()
{
    const QString order = m_order == RowOrder::ByName       ? u"menu按名称"_s
                          : m_order == RowOrder::ByModified ? u"menu按修改时间"_s
                                                            : u"menu按加入顺序"_s;
    findChild<QAction*>(order)->setChecked(true);
    findChild<QAction*>(m_direction == Qt::AscendingOrder ? u"menu升序"_s : u"menu降序"_s)
        ->setChecked(true);
}

void Form1::confirmRename()
{
    ConfirmBatchRename(*m_rows, m_platform.fileSystem, m_platform.messageBoxes, *m_records,
                       m_platform.passes);
}

void Form1::undoRename()
{
    UndoLastBatch(*m_rows, m_platform.fileSystem, *m_records, m_platform.messageBoxes,
                  m_platform.passes);
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!std::exchange(m_shown, true))
        QMetaObject::invokeMethod(this, &Form1::offerUndoOfCutOffBatch, Qt::QueuedConnection);
}

void Form1::offerUndoOfCutOffBatch()
{
    // Read again only where the record read at the start says the batch was cut off.
    HeldRecord* record =
        m_records->isUndoable() && m_records->wasLastBatchCutOff() ? m_records->owned() : nullptr;
    if (!record)
        return;
    int left = 0;
    m_platform.passes.run(
        u"正在读取修改记录……"_s, 0,
        [&](PassControl&) {
            left = FoldersLeftUnderTemporaryNames(*record, m_platform.fileSystem);
        },
        [] {});
    if (left > 0 && m_platform.messageBoxes.askYesNo(
                        AppInfo::title,
                        u"上次的批量修改被中断了，有 %1 个目录仍在临时名称（~fbr-renaming-…）下。\n"
                        u"要现在撤销上次的修改，恢复这些目录和其余目录的原名吗？"_s.arg(left))) {
        UndoBatch(*m_rows, m_platform.fileSystem, *m_records, *record, m_platform.messageBoxes,
                  m_platform.passes, QString());
    }
}

void Form1::openHistory()
{
    FormHistory dialog(this, *m_rows, m_platform, *m_records);
    dialog.exec();
}

void Form1::openAboutBox()
{
    frmAbout dialog(m_platform, this);
    dialog.exec();
}

void Form1::openWebLink(const QString& address)
{
    m_platform.shell.openWebAddress(address);
}

void Form1::showFolderMenuState()
{
    const FolderMenu::State state = m_platform.shell.folderMenuState();
    menu右键菜单->setVisible(state != FolderMenu::State::ForEveryone);
    const QString manager = FolderMenu::fileManager();
    menu右键菜单->setText(state == FolderMenu::State::Present ? u"从%1右键菜单移除"_s.arg(manager)
                                                              : u"加入%1右键菜单"_s.arg(manager));
}

void Form1::toggleFolderMenu()
{
    const bool adding = m_platform.shell.folderMenuState() != FolderMenu::State::Present;
    const QString manager = FolderMenu::fileManager();
    QString message;
    if (!m_platform.shell.setFolderMenu(adding))
        message = adding ? u"无法加入%1右键菜单。"_s.arg(manager)
                         : u"无法从%1右键菜单移除。"_s.arg(manager);
    else if (adding)
        message = u"已加入%1右键菜单：%2"_s.arg(manager, FolderMenu::howToReach());
    else
        message = u"已从%1右键菜单移除。"_s.arg(manager);
    showFolderMenuState();
    m_platform.messageBoxes.inform(AppInfo::title, message);
}

AdditionReport Form1::addFolders(const QStringList& paths)
{
    return AddDirectories(*m_rows, m_platform.fileSystem, paths, m_platform.passes);
}

AdditionReport Form1::addSubfolders(const QStringList& folders)
{
    return AddSubdirectories(*m_rows, m_platform.fileSystem, folders, m_platform.passes);
}

namespace {

// What was dropped: local paths as the platform writes them (the addition tells folders from
// the rest), and anything else, such as web addresses. Asks no file system: a dead share must
// not stall a drag.
struct Dropped
{
    QStringList localPaths;
    QStringList others;
};

Dropped droppedItems(const QMimeData* data)
{
    Dropped dropped;
    if (!data || !data->hasUrls())
        return dropped;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            dropped.localPaths.append(LocalPathOfUrl(url));
        else
            dropped.others.append(url.toDisplayString());
    }
    return dropped;
}

} // namespace

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    // One pass at a time: a drop waits for the running one to end.
    if (m_platform.passes.isRunning())
        return;
    if (!droppedItems(event->mimeData()).localPaths.isEmpty())
        event->acceptProposedAction();
}

void Form1::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    if (m_platform.passes.isRunning())
        return;
    const Dropped dropped = droppedItems(event->mimeData());
    if (dropped.localPaths.isEmpty())
        return;
    event->acceptProposedAction();
    // As the system reads them, as on the command line: "p/.." is p's parent, never a folder
    // named "..".
    QStringList paths;
    for (const QString& path : dropped.localPaths)
        paths.append(QDir::fromNativeSeparators(path));
    AdditionReport report = addFolders(FolderArguments(paths, QDir::rootPath()));
    for (const QString& other : dropped.others)
        report.skipped.append({other, u"不是本地文件夹"_s});
    if (report.skipped.isEmpty())
        return;
    // After the drop has ended: the file manager that started the drag waits for it.
    QTimer::singleShot(0, this, [this, message = report.skippedMessage()] {
        m_platform.messageBoxes.inform(AppInfo::title, message);
    });
}

void Form1::closeEvent(QCloseEvent* event)
{
    // A pass stops before its next folder; the window closes once the call in progress has
    // returned, asking nothing.
    if (m_platform.passes.cancelForClosing([window = QPointer<Form1>(this)] {
            if (window)
                window->close();
        })) {
        event->ignore();
        return;
    }
    // Ends the program at once, whatever else is open, and asks nothing.
    event->accept();
    QCoreApplication::quit();
}
