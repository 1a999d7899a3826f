#include "Form1.h"

#include "CommandLine.h"

#include "DirectoryListView.h"
#include "about/HelpLinks.h"
#include "about/frmAbout.h"
#include "collect/FormAdd.h"
#include "common/AppInfo.h"
#include "common/Csv.h"
#include "common/InterfaceLanguage.h"
#include "common/NameBytes.h"
#include "common/WindowPlacement.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PassRunner.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "platform/widgets/NativePlatform.h"
#include "rename/BatchRename.h"
#include "rename/FormHistory.h"
#include "rename/RecordStore.h"
#include "rename/UndoRename.h"
#include "rows/DirectoryListModel.h"
#include "rows/FilteredRows.h"
#include "rules/FormNames.h"
#include "rules/FormRename.h"
#include "rules/FormRules.h"
#include "rules/NameEdits.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
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
    ListView1->setAccessibleName(tr("待修改目录列表"));
    ListView1->setModel(m_rows);
    ListView1->setGeometry(listPlace);
    for (int column = 0; column < DirectoryListModel::ColumnCount; ++column)
        ListView1->header()->resizeSection(column, columnWidth);

    Label1 = new QLabel(tr("待修改目录列表："), client);
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
    StatusBar1Panel1 = new QLabel(tr("Morvel软件"), bar);
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
    connect(ListView1, &DirectoryListView::rowPointedAt, this,
            [this](int shownRow) { showPathOf(listRow(ListView1->model()->index(shownRow, 0))); });
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Form1::showCurrentRow);
    connect(m_rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                const int current = currentRow();
                if (current >= topLeft.row() && current <= bottomRight.row())
                    showCurrentRow();
                if (m_filtered && !m_refilter.isActive())
                    m_refilter.start();
            });
    // A filter is made again once the verdicts have changed, after the pass that changes
    // them: made while it runs, it would move the rows under the user's eyes.
    m_refilter.setSingleShot(true);
    m_refilter.setInterval(200);
    connect(&m_refilter, &QTimer::timeout, this, [this] {
        if (m_platform.passes.isRunning())
            m_refilter.start();
        else if (m_filtered)
            filterRows(m_filtered->filter(), m_filtered->text());
    });
    ListView1->setFocus();
}

void Form1::createMenus()
{
    menu列表 = addSubmenu(this, u"menu列表"_s, tr("列表(&L)"));
    connect(addItem(menu列表, u"menu添加目录"_s, tr("添加目录")), &QAction::triggered, this,
            &Form1::openAddDialog);
    addSeparator(menu列表, u"tiou987"_s);
    connect(addItem(menu列表, u"menu全选"_s, tr("全选")), &QAction::triggered, this,
            &Form1::selectAll);
    connect(addItem(menu列表, u"menu移除选中项"_s, tr("移除选中项")), &QAction::triggered, this,
            &Form1::removeSelected);
    connect(addItem(menu列表, u"menu清空"_s, tr("清空")), &QAction::triggered, this,
            &Form1::clearList);
    // Beyond the design: the order of the rows, which numbering follows.
    QMenu* menu排序 = addSubmenu(menu列表, u"menu排序"_s, tr("排序(&O)"));
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
    addChoice(menu排序, orders, u"menu按名称"_s, tr("按名称"), false,
              [this] { sortRows(RowOrder::ByName); });
    addChoice(menu排序, orders, u"menu按修改时间"_s, tr("按修改时间"), false,
              [this] { sortRows(RowOrder::ByModified); });
    addChoice(menu排序, orders, u"menu按加入顺序"_s, tr("按加入顺序"), true,
              [this] { sortRows(RowOrder::ByAddition); });
    addSeparator(menu排序, u"menu排序方向分隔"_s);
    auto* directions = new QActionGroup(menu排序);
    addChoice(menu排序, directions, u"menu升序"_s, tr("升序"), true,
              [this] { sortRows(Qt::AscendingOrder); });
    addChoice(menu排序, directions, u"menu降序"_s, tr("降序"), false,
              [this] { sortRows(Qt::DescendingOrder); });
    // Beyond the design: fewer rows on view, and a way from one problem to the next.
    QMenu* menu筛选 = addSubmenu(menu列表, u"menu筛选"_s, tr("筛选(&F)"));
    menu列表->addMenu(menu筛选);
    m_filterChoices = new QActionGroup(menu筛选);
    const auto addFilter = [&](const QString& name, const QString& text, RowFilter filter) {
        addChoice(menu筛选, m_filterChoices, name, text, filter == RowFilter::All,
                  [this, filter] { filterRows(filter); });
        m_filterChoices->actions().constLast()->setData(int(filter));
    };
    addFilter(u"menu全部行"_s, tr("全部(&A)"), RowFilter::All);
    addFilter(u"menu将修改的行"_s, tr("只显示将修改的行(&W)"), RowFilter::WillChange);
    addFilter(u"menu不会修改的行"_s, tr("只显示不会修改的行(&N)"), RowFilter::WontChange);
    addFilter(u"menu出错的行"_s, tr("只显示出错的行(&E)"), RowFilter::Problems);
    QAction* byText = addItem(menu筛选, u"menu包含文字"_s, tr("包含文字(&T)…"));
    byText->setCheckable(true);
    byText->setData(int(RowFilter::Containing));
    m_filterChoices->addAction(byText);
    connect(byText, &QAction::triggered, this, &Form1::askFilterText);
    addSeparator(menu筛选, u"menu筛选跳转分隔"_s);
    QAction* next = addItem(menu筛选, u"menu下一个出错行"_s, tr("下一个不能修改的行(&X)"));
    next->setShortcut(Qt::Key_F3);
    connect(next, &QAction::triggered, this, [this] { goToProblem(true); });
    QAction* previous = addItem(menu筛选, u"menu上一个出错行"_s, tr("上一个不能修改的行(&P)"));
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(previous, &QAction::triggered, this, [this] { goToProblem(false); });
    // Beyond the design: the list as CSV, to edit its new names in a spreadsheet.
    connect(addItem(menu列表, u"menu导出列表"_s, tr("导出列表(&X)…")), &QAction::triggered, this,
            [this] {
                // In the user's documents, not wherever the program was started from.
                const QString path = QFileDialog::getSaveFileName(
                    this, tr("导出列表"),
                    QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                        tr("/目录列表.csv"),
                    tr("CSV 文件 (*.csv)"));
                if (path.isEmpty())
                    return;
                const QString shown = VisibleName(QDir::toNativeSeparators(path));
                m_platform.messageBoxes.inform(
                    AppInfo::title(), exportList(path) ? tr("列表已导出到“%1”。").arg(shown)
                                                       : tr("无法写入“%1”。").arg(shown));
            });
    addSeparator(menu列表, u"uyhoiu8797"_s);
    connect(addItem(menu列表, u"menu打开修改前目录"_s, tr("打开修改前目录")), &QAction::triggered,
            this, &Form1::openCurrentDirectory);
    addSeparator(menu列表, u"uiyiu9889"_s);
    connect(addItem(menu列表, u"menu退出"_s, tr("退出")), &QAction::triggered, this,
            &Form1::exitProgram);

    QMenu* menu修改 = addSubmenu(this, u"menu修改"_s, tr("修改(&R)"));
    connect(addItem(menu修改, u"menu模拟修改"_s, tr("模拟修改")), &QAction::triggered, this,
            &Form1::openRenameDialog);
    // Beyond the design: rules made of steps, in a dialog of their own.
    connect(addItem(menu修改, u"menu更多规则"_s, tr("更多规则(&M)…")), &QAction::triggered, this,
            &Form1::openRulesDialog);
    connect(addItem(menu修改, u"menu编辑新名称"_s, tr("编辑新名称(&E)…")), &QAction::triggered,
            this, &Form1::openNamesDialog);
    connect(addItem(menu修改, u"menu确认修改"_s, tr("确认修改")), &QAction::triggered, this,
            &Form1::confirmRename);
    // Beyond the design: the undo of the last batch.
    menu撤销修改 = addItem(menu修改, u"menu撤销修改"_s, tr("撤销修改(&U)"));
    connect(menu撤销修改, &QAction::triggered, this, &Form1::undoRename);
    // On exactly while the last batch has something to undo, as its record says.
    menu撤销修改->setEnabled(false);
    connect(m_records, &RecordStore::undoableChanged, menu撤销修改, &QAction::setEnabled);
    ApplyRecordsKept(*m_records, m_platform.settings);
    m_records->refresh();
    connect(addItem(menu修改, u"menu修改记录"_s, tr("修改记录(&H)…")), &QAction::triggered, this,
            &Form1::openHistory);

    QMenu* menu帮助 = addSubmenu(this, u"menu帮助"_s, tr("帮助(&H)"));
    connect(addItem(menu帮助, u"menu关于"_s, tr("关于")), &QAction::triggered, this,
            &Form1::openAboutBox);
    connect(addItem(menu帮助, u"menu最新版本"_s, tr("最新版本")), &QAction::triggered, this,
            [this] { openWebLink(HelpLinks::latestVersion); });
    QMenu* menu作者网站 = addSubmenu(menu帮助, u"menu作者网站"_s, tr("作者网站"));
    menu帮助->addMenu(menu作者网站);
    connect(addItem(menu作者网站, u"menuMorvel网"_s, tr("Morvel网")), &QAction::triggered, this,
            [this] { openWebLink(HelpLinks::secondSite); });
    connect(addItem(menu作者网站, u"menuMorvel软件"_s, tr("Morvel软件")), &QAction::triggered, this,
            [this] { openWebLink(HelpLinks::makerSite); });
    connect(addItem(menu帮助, u"menu定制软件"_s, tr("定制软件")), &QAction::triggered, this,
            [this] { openWebLink(HelpLinks::customSoftware); });
    // Beyond the design: the file manager's right-click entry, for a program not installed for
    // every user (the installer's entry is the installer's to remove).
    addSeparator(menu帮助, u"menu右键菜单分隔"_s);
    menu右键菜单 =
        addItem(menu帮助, u"menu右键菜单"_s, tr("加入%1右键菜单").arg(FolderMenu::fileManager()));
    connect(menu右键菜单, &QAction::triggered, this, &Form1::toggleFolderMenu);
    // Read when the menu opens, not while the window starts.
    connect(menu帮助, &QMenu::aboutToShow, this, &Form1::showFolderMenuState);
    // Beyond the design: the interface's language, each named in its own.
    QMenu* menu界面语言 = addSubmenu(menu帮助, u"menu界面语言"_s, tr("界面语言(&L)"));
    menu帮助->addMenu(menu界面语言);
    auto* languages = new QActionGroup(menu界面语言);
    const InterfaceLanguage chosen =
        LanguageOfCode(m_platform.settings.value(Settings::Key::InterfaceLanguage).toString());
    for (const auto& [language, name] :
         {std::pair{InterfaceLanguage::FollowSystem, tr("跟随系统")},
          std::pair{InterfaceLanguage::SimplifiedChinese, u"简体中文"_s},
          std::pair{InterfaceLanguage::TraditionalChinese, u"繁體中文"_s},
          std::pair{InterfaceLanguage::English, u"English"_s}}) {
        addChoice(menu界面语言, languages, u"menu语言_"_s + LanguageCode(language), name,
                  language == chosen, [this, language] { chooseLanguage(language); });
    }

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
    return listRow(ListView1->currentIndex());
}

bool Form1::isFiltered() const
{
    return m_filtered != nullptr;
}

int Form1::listRow(const QModelIndex& shown) const
{
    if (!shown.isValid())
        return -1;
    return isFiltered() ? m_filtered->mapToSource(shown).row() : shown.row();
}

QModelIndex Form1::shownIndex(int row, int column) const
{
    const QModelIndex own = m_rows->index(row, column);
    return isFiltered() ? m_filtered->mapFromSource(own) : own;
}

std::vector<int> Form1::selectedRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : ListView1->selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.push_back(isFiltered() ? listRow(m_filtered->index(r, 0)) : r);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
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
    const QString note = UnseenCharactersNote(row.name());
    return note.isEmpty() ? path : tr("%1　（%2）").arg(path, note);
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
        text += tr("　") + verdict.data(Qt::ToolTipRole).toString().replace(u'\n', u' ');
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
    const QAbstractItemModel* shown = ListView1->model();
    const int n = shown->rowCount();
    if (n == 0)
        return;
    ListView1->selectionModel()->select(
        QItemSelection(shown->index(0, 0),
                       shown->index(n - 1, DirectoryListModel::ColumnCount - 1)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void Form1::removeSelected()
{
    // The selection is read once, as ranges; the rows go in one pass, front to back.
    std::vector<bool> marked(size_t(m_rows->count()), false);
    for (const int row : selectedRows())
        marked[size_t(row)] = true;
    const int current = currentRow();
    int currentAfter = -1;
    if (current >= 0 && !marked[size_t(current)])
        currentAfter = current - int(std::count(marked.begin(), marked.begin() + current, true));

    m_rows->removeMarked(marked);
    if (currentAfter >= 0)
        ListView1->selectionModel()->setCurrentIndex(shownIndex(currentAfter),
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
    QList<QStringList> lines{ExportedListHeader()};
    lines.reserve(m_rows->count() + 1);
    for (int i = 0; i < m_rows->count(); ++i) {
        const DirectoryRow& row = m_rows->row(i);
        lines.append(
            {VisibleName(row.key), VisibleName(row.name()), VisibleName(row.proposedName())});
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(CsvFile(lines)) >= 0 && file.commit();
}

void Form1::openNamesDialog()
{
    // The selected rows, or every row where none is selected.
    std::vector<int> shown = selectedRows();
    if (shown.empty()) {
        shown.resize(size_t(m_rows->count()));
        std::iota(shown.begin(), shown.end(), 0);
    }
    std::optional<NameEdits::Table> table =
        NameEdits::tableMadeAway(*m_rows, shown, m_platform.passes);
    if (!table)
        return;
    FormNames dialog(this, *m_rows, std::move(*table), m_platform.fileSystem, m_platform.passes,
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

void Form1::filterRows(RowFilter filter, const QString& text)
{
    m_refilter.stop();
    const std::vector<int> selected = selectedRows();
    const int current = currentRow();
    std::vector<int> widths;
    for (int column = 0; column < DirectoryListModel::ColumnCount; ++column)
        widths.push_back(ListView1->header()->sectionSize(column));

    // A new proxy each time: one pass over the rows, where rows leaving one by one would cost
    // the view a pass each.
    std::unique_ptr<FilteredRows> previous(std::exchange(
        m_filtered,
        filter == RowFilter::All ? nullptr : new FilteredRows(*m_rows, filter, text, this)));
    QAbstractItemModel* shown = m_filtered ? static_cast<QAbstractItemModel*>(m_filtered) : m_rows;
    if (ListView1->model() != shown) {
        std::unique_ptr<QItemSelectionModel> oldSelection(ListView1->selectionModel());
        ListView1->setModel(shown);
        for (int column = 0; column < DirectoryListModel::ColumnCount; ++column)
            ListView1->header()->resizeSection(column, widths[size_t(column)]);
        connect(ListView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
                &Form1::showCurrentRow);
    }
    if (m_filtered) {
        for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(m_filtered, changed, this, &Form1::showFilter);
        connect(m_filtered, &QAbstractItemModel::modelReset, this, &Form1::showFilter);
    }

    // The selected rows still shown stay selected, in as few ranges as they make.
    QItemSelection again;
    const auto selectRun = [&](int first, int last) {
        if (first >= 0)
            again.select(shown->index(first, 0),
                         shown->index(last, DirectoryListModel::ColumnCount - 1));
    };
    int first = -1;
    int last = -1;
    for (const int row : selected) {
        const int at = shownIndex(row).row();
        if (at < 0)
            continue;
        if (first >= 0 && at == last + 1) {
            last = at;
            continue;
        }
        selectRun(first, last);
        first = last = at;
    }
    selectRun(first, last);
    ListView1->selectionModel()->select(again, QItemSelectionModel::Select);
    const QModelIndex focus = current >= 0 ? shownIndex(current) : QModelIndex();
    if (focus.isValid()) {
        ListView1->selectionModel()->setCurrentIndex(focus, QItemSelectionModel::NoUpdate);
        ListView1->scrollTo(focus);
    }
    showFilter();
}

void Form1::askFilterText()
{
    bool given = false;
    const QString text = QInputDialog::getText(
        this, tr("筛选"), tr("只显示原名称或新名称包含以下文字的行："), QLineEdit::Normal,
        m_filtered && m_filtered->filter() == RowFilter::Containing ? m_filtered->text()
                                                                    : QString(),
        &given);
    if (given && !text.isEmpty())
        filterRows(RowFilter::Containing, text);
    else
        showFilter(); // the check mark back where it was
}

void Form1::showFilter()
{
    const RowFilter filter = m_filtered ? m_filtered->filter() : RowFilter::All;
    for (QAction* choice : m_filterChoices->actions())
        choice->setChecked(choice->data().toInt() == int(filter));
    if (!m_filtered) {
        StatusBar1Panel1->setText(tr("Morvel软件"));
        StatusBar1Panel1->setToolTip(QString());
        return;
    }
    const QString note = tr("已筛选：显示 %1 行，共 %2 行。修改、导出和撤销仍作用于全部行，"
                            "移除选中项只移除显示并选中的行。")
                             .arg(m_filtered->rowCount())
                             .arg(m_rows->count());
    StatusBar1Panel1->setText(tr("显示 %1 行").arg(m_filtered->rowCount()));
    StatusBar1Panel1->setToolTip(note);
    StatusBar1Panel2->setText(note);
    StatusBar1Panel2->setToolTip(note);
}

bool Form1::goToProblem(bool forwards)
{
    const QAbstractItemModel* shown = ListView1->model();
    const int n = shown->rowCount();
    const QModelIndex current = ListView1->currentIndex();
    const int from = current.isValid() ? current.row() : forwards ? -1 : n;
    // Around the end to the other end, as a search goes on from the top.
    for (int step = 1; step <= n; ++step) {
        const int at = ((from + (forwards ? step : -step)) % n + n) % n;
        const QModelIndex index = shown->index(at, 0);
        if (IsProblem(m_rows->row(listRow(index)).verdict)) {
            ListView1->selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            ListView1->scrollTo(index);
            return true;
        }
    }
    QApplication::beep();
    return false;
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
        tr("正在读取修改记录……"), 0,
        [&](PassControl&) {
            left = FoldersLeftUnderTemporaryNames(*record, m_platform.fileSystem);
        },
        [] {});
    if (left > 0 &&
        m_platform.messageBoxes.askYesNo(
            AppInfo::title(),
            tr("上次的批量修改被中断了，有 %n 个目录仍在临时名称（~fbr-renaming-…）下。\n"
               "要现在撤销上次的修改，恢复这些目录和其余目录的原名吗？",
               nullptr, int(left)))) {
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
    menu右键菜单->setText(state == FolderMenu::State::Present ? tr("从%1右键菜单移除").arg(manager)
                                                              : tr("加入%1右键菜单").arg(manager));
}

void Form1::toggleFolderMenu()
{
    const bool adding = m_platform.shell.folderMenuState() != FolderMenu::State::Present;
    const QString manager = FolderMenu::fileManager();
    QString message;
    if (!m_platform.shell.setFolderMenu(adding))
        message = adding ? tr("无法加入%1右键菜单。").arg(manager)
                         : tr("无法从%1右键菜单移除。").arg(manager);
    else if (adding)
        message = tr("已加入%1右键菜单：%2").arg(manager, FolderMenu::howToReach());
    else
        message = tr("已从%1右键菜单移除。").arg(manager);
    showFolderMenuState();
    m_platform.messageBoxes.inform(AppInfo::title(), message);
}

void Form1::chooseLanguage(InterfaceLanguage language)
{
    m_platform.settings.setValue(Settings::Key::InterfaceLanguage, LanguageCode(language));
    m_platform.messageBoxes.inform(AppInfo::title(),
                                   tr("下次启动本程序时，界面将使用所选的语言。"));
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
        report.skipped.append({other, tr("不是本地文件夹")});
    if (report.skipped.isEmpty())
        return;
    // After the drop has ended: the file manager that started the drag waits for it.
    QTimer::singleShot(0, this, [this, message = report.skippedMessage()] {
        m_platform.messageBoxes.inform(AppInfo::title(), message);
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
