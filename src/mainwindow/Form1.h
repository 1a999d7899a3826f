#pragma once

#include "collect/AddDirectories.h"
#include "platform/Platform.h"
#include "rows/SortRows.h"

#include <QMainWindow>
#include <QTimer>

#include <vector>

struct DirectoryRow;
enum class InterfaceLanguage;
class RecordStore;
class DirectoryListModel;
class DirectoryListView;
class FilteredRows;
enum class RowFilter;
class QActionGroup;
class QLabel;
class QMenu;

// The main window: the directory list, the row count, the status bar and the menus from
// which every command starts. Closing it ends the program.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    DirectoryListModel& rows() { return *m_rows; }
    DirectoryListView& listView() { return *ListView1; }
    QMenu& listMenu() { return *menu列表; }
    // The row holding the list's focus, or -1.
    int currentRow() const;
    // The selected rows, in the list's order.
    std::vector<int> selectedRows() const;

    // Appends the folders as the add dialog's "选中项" appends one: one lookup each, a folder
    // already listed skipped, one model notification for them all. Used by drops and the
    // command line.
    AdditionReport addFolders(const QStringList& paths);
    AdditionReport addSubfolders(const QStringList& folders);

    // The commands behind the menu items.
    void openAddDialog();
    void selectAll();
    void removeSelected();
    void clearList();
    void openCurrentDirectory();
    void exitProgram();
    void openRenameDialog();
    void openRulesDialog();
    void openNamesDialog();
    // The list as CSV (路径, 原名称, 新名称); false where it could not be written.
    bool exportList(const QString& path) const;
    // In the order, in the direction last chosen in 排序 (ascending at first).
    void sortRows(RowOrder order);
    void sortRows(Qt::SortOrder direction);
    void confirmRename();
    void undoRename();
    void openHistory();
    void openAboutBox();
    void openWebLink(const QString& address);
    // Shows only the rows the filter lets through. Every command but the removal of the
    // selected rows still acts on every row.
    void filterRows(RowFilter filter, const QString& text = {});
    // Selects the next (or previous) shown row that will not or could not be renamed; false
    // where there is none.
    bool goToProblem(bool forwards);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Once shown: a batch cut off in the middle of a cycle is offered for undo.
    void showEvent(QShowEvent* event) override;
    // Folders dropped from a file manager become rows; files and anything else are refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void createMenus();
    void popUpListMenu(const QPoint& globalPosition);
    void showPathOf(int row);
    static QString pathInWords(const DirectoryRow& row);
    // The current row's path and, where its rename failed, why.
    void showCurrentRow();
    void showRowCount();
    void offerUndoOfCutOffBatch();
    // The file manager's right-click entry, added or removed at the user's word.
    void toggleFolderMenu();
    void showFolderMenuState();
    // Kept for the next start: the texts already shown stay as they are.
    void chooseLanguage(InterfaceLanguage language);
    void showSortChoice();
    bool isFiltered() const;
    // A shown row's place in the list, and a row's index as shown (invalid while filtered out).
    int listRow(const QModelIndex& shown) const;
    QModelIndex shownIndex(int row, int column = 0) const;
    void showFilter();
    void askFilterText();

    Platform& m_platform;
    DirectoryListModel* m_rows = nullptr;
    RecordStore* m_records = nullptr; // knows this window's last batch
    bool m_shown = false;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    DirectoryListView* ListView1 = nullptr;
    QLabel* StatusBar1Panel1 = nullptr;
    QLabel* StatusBar1Panel2 = nullptr;
    QMenu* menu列表 = nullptr;
    QAction* menu撤销修改 = nullptr;
    QAction* menu右键菜单 = nullptr;
    FilteredRows* m_filtered = nullptr; // while a filter is on
    QActionGroup* m_filterChoices = nullptr;
    QTimer m_refilter; // after verdicts change under a filter
    RowOrder m_order = RowOrder::ByAddition;
    Qt::SortOrder m_direction = Qt::AscendingOrder;
};
