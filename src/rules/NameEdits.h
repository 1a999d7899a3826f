#pragma once

#include "platform/FileSystem.h"
#include "rows/Verdict.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <optional>
#include <vector>

class DirectoryListModel;
class PassRunner;

// The first line of the list's export ("路径", "原名称", "新名称"), in the interface's language
// or in the program's own words; the import of names skips either.
QStringList ExportedListHeader(bool translated = true);

// New names the user writes, row by row, for some rows of the list: each row's verdict as far
// as the names alone tell (empty, invalid, unchanged, or the same as another row's new name in
// the same parent), kept as the user types; the disk is the preview's to ask.
class NameEdits : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { OldNameColumn, NewNameColumn, VerdictColumn, ParentColumn, ColumnCount };

    struct Entry
    {
        int listRow;
        QString name;
        QString parent;
        FileId parentId;
        QString newName;
    };
    using Use = std::pair<FileId, QString>;
    // The list's rows `shown` (positions in the list), with their last proposals, or their
    // names where they have none; and how many rows give each new name in its parent.
    struct Table
    {
        std::vector<Entry> entries;
        QHash<Use, int> uses;
    };
    static Table tableOf(const DirectoryListModel& rows, const std::vector<int>& shown);
    // The same made on a pass's worker while the rows are held: a million rows take a second.
    // Nothing where the pass is cancelled or the rows are held already.
    static std::optional<Table> tableMadeAway(DirectoryListModel& rows,
                                              const std::vector<int>& shown, PassRunner& passes);

    NameEdits(Table table, FileSystem& fileSystem, QObject* parent = nullptr);
    ~NameEdits() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    QStringList newNames() const;
    // Every row's new name at once, one a row in order; nothing changes when the count is not
    // the rows'.
    bool setNewNames(const QStringList& names);
    Verdict verdictOf(int row) const;
    // New names from the rows of a list as exported (路径, 原名称, 新名称), matched by the
    // folder's path; the paths of no row here are left out and given back. How many rows took
    // a name.
    int importNames(const QList<QStringList>& rows, const DirectoryListModel& list,
                    QStringList& notListed);
    // The names for the whole list, row by row: the edited rows' new names, the other rows'
    // own names; and how many of them are new.
    std::vector<QString> listNames(const DirectoryListModel& rows, int* changed) const;

private:
    static void count(QHash<Use, int>& uses, const Entry& entry, int by);

    std::vector<Entry> m_entries;
    QHash<Use, int> m_uses; // how many rows give each new name in its parent
    FileSystem& m_fileSystem;
};
