#include "NameEdits.h"

#include "common/NameBytes.h"
#include "platform/FreedMemory.h"
#include "platform/PassRunner.h"
#include "rows/DirectoryListModel.h"

#include <QDir>

using namespace Qt::StringLiterals;

NameEdits::Table NameEdits::tableOf(const DirectoryListModel& rows, const std::vector<int>& shown)
{
    Table table;
    table.entries.reserve(shown.size());
    table.uses.reserve(qsizetype(shown.size()));
    for (const int listRow : shown) {
        const DirectoryRow& row = rows.row(listRow);
        table.entries.push_back(
            {listRow, row.name(), row.parent, row.parentId, row.proposedName()});
        count(table.uses, table.entries.back(), 1);
    }
    return table;
}

std::optional<NameEdits::Table> NameEdits::tableMadeAway(DirectoryListModel& rows,
                                                         const std::vector<int>& shown,
                                                         PassRunner& passes)
{
    const std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold)
        return std::nullopt;
    std::optional<Table> table;
    const PassEnd end = passes.run(
        tr("正在准备新名称……"), 0,
        [&](PassControl& control) {
            table = tableOf(rows, shown);
            control.stopHere(); // a cancel asked meanwhile counts at its end
        },
        [] {});
    if (end != PassEnd::Completed) {
        if (table)
            FreeSoon(std::move(*table));
        return std::nullopt;
    }
    return table;
}

NameEdits::NameEdits(Table table, FileSystem& fileSystem, QObject* parent)
    : QAbstractTableModel(parent), m_entries(std::move(table.entries)),
      m_uses(std::move(table.uses)), m_fileSystem(fileSystem)
{}

NameEdits::~NameEdits()
{
    // A million rows' texts take a while to let go of.
    FreeSoon(Table{std::move(m_entries), std::move(m_uses)});
}

void NameEdits::count(QHash<Use, int>& uses, const Entry& entry, int by)
{
    if (entry.newName != entry.name)
        uses[{entry.parentId, entry.newName}] += by;
}

int NameEdits::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int NameEdits::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

Verdict NameEdits::verdictOf(int row) const
{
    using Outcome = Verdict::Outcome;
    const Entry& entry = m_entries[size_t(row)];
    if (entry.parent.isNull())
        return {Outcome::RootNotRenamed, {}};
    if (entry.newName == entry.name)
        return {Outcome::SameName, {}};
    if (entry.newName.isEmpty())
        return {Outcome::InvalidName, {}};
    if (const auto problem = m_fileSystem.checkFolderName(entry.newName))
        return {InvalidNameOutcome(*problem), {}};
    if (m_uses.value({entry.parentId, entry.newName}) > 1)
        return {Outcome::NameProposedEarlier, {}};
    return {Outcome::CanRename, {}};
}

QVariant NameEdits::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Entry& entry = m_entries[size_t(index.row())];
    switch (index.column()) {
    case OldNameColumn:
        return entry.name;
    case NewNameColumn:
        return entry.newName;
    case VerdictColumn:
        return VerdictText(verdictOf(index.row()));
    default:
        return entry.parent;
    }
}

bool NameEdits::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != NewNameColumn || role != Qt::EditRole)
        return false;
    Entry& entry = m_entries[size_t(index.row())];
    const QString newName = value.toString();
    if (newName == entry.newName)
        return true;
    count(m_uses, entry, -1);
    entry.newName = newName;
    count(m_uses, entry, 1);
    // Another row's verdict may change with this one's: one notification for the column.
    Q_EMIT dataChanged(index, index);
    Q_EMIT dataChanged(this->index(0, VerdictColumn), this->index(rowCount() - 1, VerdictColumn));
    return true;
}

Qt::ItemFlags NameEdits::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == NewNameColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant NameEdits::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList captions{tr("原名称"), tr("新名称"), tr("可否修改"), tr("所在目录")};
    return captions.value(section);
}

QStringList ExportedListHeader(bool translated)
{
    static const char* const words[] = {QT_TRANSLATE_NOOP("NameEdits", "路径"),
                                        QT_TRANSLATE_NOOP("NameEdits", "原名称"),
                                        QT_TRANSLATE_NOOP("NameEdits", "新名称")};
    QStringList header;
    for (const char* word : words)
        header.append(translated ? NameEdits::tr(word) : QString::fromUtf8(word));
    return header;
}

QStringList NameEdits::newNames() const
{
    QStringList names;
    names.reserve(qsizetype(m_entries.size()));
    for (const Entry& entry : m_entries)
        names.append(entry.newName);
    return names;
}

bool NameEdits::setNewNames(const QStringList& names)
{
    if (size_t(names.size()) != m_entries.size())
        return false;
    beginResetModel();
    m_uses.clear();
    for (size_t i = 0; i < m_entries.size(); ++i) {
        m_entries[i].newName = names[qsizetype(i)];
        count(m_uses, m_entries[i], 1);
    }
    endResetModel();
    return true;
}

std::vector<QString> NameEdits::listNames(const DirectoryListModel& rows, int* changed) const
{
    std::vector<QString> names(size_t(rows.count()));
    for (int i = 0; i < rows.count(); ++i)
        names[size_t(i)] = rows.row(i).name();
    int newOnes = 0;
    for (const Entry& entry : m_entries) {
        names[size_t(entry.listRow)] = entry.newName;
        newOnes += entry.newName != entry.name;
    }
    if (changed)
        *changed = newOnes;
    return names;
}

int NameEdits::importNames(const QList<QStringList>& rows, const DirectoryListModel& list,
                           QStringList& notListed)
{
    QHash<QString, size_t> byPath;
    byPath.reserve(qsizetype(m_entries.size()));
    for (size_t i = 0; i < m_entries.size(); ++i)
        byPath.insert(QDir::fromNativeSeparators(VisibleName(list.row(m_entries[i].listRow).key)),
                      i); // a path typed with either separator where the system takes both
    QStringList names = newNames();
    const QStringList header = ExportedListHeader();
    const QStringList ownHeader = ExportedListHeader(false);
    int taken = 0;
    for (const QStringList& row : rows) {
        if (row.size() < 3 || row.first(3) == header || row.first(3) == ownHeader)
            continue; // the header, or no name
        const auto exact = byPath.constFind(QDir::fromNativeSeparators(row[0]));
        if (exact == byPath.cend()) {
            notListed.append(row[0]);
            continue;
        }
        names[qsizetype(*exact)] = row[2];
        ++taken;
    }
    setNewNames(names);
    return taken;
}
