#include "DirectoryListModel.h"

#include "RowsSnapshot.h"

#include "common/NameBytes.h"
#include "platform/FreedMemory.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

DirectoryListModel::DirectoryListModel(QObject* parent) : QAbstractTableModel(parent) {}

int DirectoryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int DirectoryListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DirectoryListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return {};
    const DirectoryRow& r = row(index.row());
    if (role == Qt::ToolTipRole)
        return toolTip(index.row(), index.column());
    switch (index.column()) {
    case NameColumn:
        return VisibleName(r.name());
    case NewNameColumn:
        return VisibleName(r.newName);
    case VerdictColumn:
        return r.verdictText();
    default:
        return {};
    }
}

int DirectoryListModel::rowProposingFirst(int position) const
{
    const DirectoryRow& r = row(position);
    for (int i = position - 1; i >= 0; --i) {
        const DirectoryRow& earlier = row(i);
        if (earlier.parentId == r.parentId &&
            earlier.verdict.outcome == Verdict::Outcome::CanRename &&
            earlier.newName.compare(r.newName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int DirectoryListModel::rowGivingUpName(int position) const
{
    const DirectoryRow& r = row(position);
    for (int i = 0; i < count(); ++i) {
        const DirectoryRow& other = row(i);
        if (i != position && other.parentId == r.parentId && other.name() == r.newName &&
            other.verdict.outcome == Verdict::Outcome::CanRename)
            return i;
    }
    return -1;
}

QString DirectoryListModel::plannedHint(int position) const
{
    using namespace Qt::StringLiterals;
    const DirectoryRow& r = row(position);
    if (r.newName != r.name() && r.newName.compare(r.name(), Qt::CaseInsensitive) == 0 &&
        rowGivingUpName(position) < 0)
        return tr("只改变字母大小写：先改为临时名称，再改为新名称。");
    const int after = rowGivingUpName(position);
    if (after < 0)
        return {};
    // Back to this row within a few steps: a cycle.
    int length = 1;
    for (int at = after; at >= 0 && length <= 64; at = rowGivingUpName(at), ++length) {
        if (at == position) {
            return tr("与另外 %1 个目录互换名称（共 %2 个）：其中一个目录先改为临时名称，"
                      "最后再改为新名称。")
                .arg(length - 1)
                .arg(length);
        }
    }
    return tr("在第 %1 行的目录“%2”改名之后再改名。")
        .arg(after + 1)
        .arg(VisibleName(row(after).name()));
}

QString DirectoryListModel::toolTip(int position, int column) const
{
    using namespace Qt::StringLiterals;
    const DirectoryRow& r = row(position);
    switch (column) {
    case NameColumn:
    case NewNameColumn: {
        // Said in words where the list cannot show it: "sp " and "sp" look alike.
        const bool old = column == NameColumn;
        const QString note = UnseenCharactersNote(old ? r.name() : r.newName);
        const QString shown = VisibleName(old ? r.key : r.newName);
        return note.isEmpty() ? shown : shown + u'\n' + note;
    }
    default:
        break;
    }
    QString text = r.verdictText();
    if (m_previewPlanned && r.verdict.outcome == Verdict::Outcome::CanRename) {
        if (const QString hint = plannedHint(position); !hint.isEmpty())
            text += u'\n' + hint;
    }
    if (r.verdict.outcome == Verdict::Outcome::NameProposedEarlier) {
        // Found when asked: a row number kept in every verdict would go stale as rows go.
        const int first = rowProposingFirst(position);
        if (first >= 0) {
            text += tr("\n第 %1 行的目录“%2”先改为这个名称。")
                        .arg(first + 1)
                        .arg(VisibleName(row(first).name()));
        }
    }
    return text;
}

QVariant DirectoryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QStringList headers = {tr("目录名称(修改前)"), tr("目录名称(修改后)"), tr("可否修改")};
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return headers.at(section);
    return {};
}

Qt::ItemFlags DirectoryListModel::flags(const QModelIndex& index) const
{
    // Never editable: names change only through the rename.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

bool DirectoryListModel::append(const QString& key, const QString& parent)
{
    return appendAll({DirectoryRow{{}, key, parent, {}, {}, {}}}) == 1;
}

bool DirectoryListModel::containsKey(const QString& key) const
{
    return m_keys.find(key, KeyHash(key), keyAt()) >= 0;
}

void DirectoryListModel::reserve(int rows)
{
    m_rows.reserve(size_t(rows));
}

std::optional<DirectoryListModel::Hold> DirectoryListModel::hold()
{
    if (m_held)
        return std::nullopt;
    return Hold(*this);
}

int DirectoryListModel::appendAll(std::vector<DirectoryRow> rows)
{
    if (m_held)
        return 0;
    std::vector<HashedRow> hashed = withKeyHashes(std::move(rows));
    return appendRows(hashed);
}

std::vector<HashedRow> DirectoryListModel::withKeyHashes(std::vector<DirectoryRow> rows)
{
    std::vector<HashedRow> hashed;
    hashed.reserve(rows.size());
    for (DirectoryRow& row : rows) {
        const size_t hash = KeyHash(row.key);
        hashed.push_back({std::move(row), hash});
    }
    return hashed;
}

int DirectoryListModel::appendRows(std::vector<HashedRow>& rows)
{
    // A row's position is known before it comes in: those kept so far are at the front.
    const int first = count();
    size_t kept = 0;
    const auto keyAt = [&](int position) -> const QString& {
        return position < first ? m_rows[size_t(position)].key
                                : rows[size_t(position - first)].row.key;
    };
    for (HashedRow& r : rows) {
        if (!m_keys.insert(first + int(kept), r.row.key, r.keyHash, keyAt))
            continue;
        r.row.addedAs = m_nextAdded++;
        if (&rows[kept] != &r)
            rows[kept] = std::move(r);
        ++kept;
    }
    rows.resize(kept);
    if (rows.empty())
        return 0;
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    for (HashedRow& r : rows)
        m_rows.push_back(std::move(r.row));
    endInsertRows();
    return int(rows.size());
}

bool DirectoryListModel::removeMarked(const std::vector<bool>& marked)
{
    if (m_held)
        return false;
    const auto isMarked = [&](size_t i) {
        return i < marked.size() && marked[i];
    };
    size_t firstMarked = 0;
    while (firstMarked < m_rows.size() && !isMarked(firstMarked))
        ++firstMarked;
    if (firstMarked == m_rows.size())
        return true;
    size_t lastMarked = m_rows.size() - 1;
    while (!isMarked(lastMarked))
        --lastMarked;

    bool contiguous = true;
    for (size_t i = firstMarked; i <= lastMarked && contiguous; ++i)
        contiguous = isMarked(i);

    std::vector<int> newPosition(m_rows.size());
    int next = 0;
    for (size_t i = 0; i < m_rows.size(); ++i)
        newPosition[i] = isMarked(i) ? -1 : next++;
    m_keys.renumber(newPosition);
    // The rows that go are let go of away from the windows' thread.
    std::vector<DirectoryRow> gone;
    gone.reserve(m_rows.size() - size_t(next));
    if (contiguous) {
        beginRemoveRows({}, int(firstMarked), int(lastMarked));
        std::move(m_rows.begin() + qsizetype(firstMarked),
                  m_rows.begin() + qsizetype(lastMarked) + 1, std::back_inserter(gone));
        m_rows.erase(m_rows.begin() + qsizetype(firstMarked),
                     m_rows.begin() + qsizetype(lastMarked) + 1);
        endRemoveRows();
        FreeSoon(std::move(gone));
        return true;
    }

    // Scattered rows: one compaction and one reset, instead of a notification per row.
    beginResetModel();
    size_t kept = firstMarked;
    for (size_t i = firstMarked; i < m_rows.size(); ++i) {
        if (!isMarked(i))
            m_rows[kept++] = std::move(m_rows[i]);
        else
            gone.push_back(std::move(m_rows[i]));
    }
    m_rows.resize(kept);
    endResetModel();
    FreeSoon(std::move(gone));
    return true;
}

bool DirectoryListModel::removeAll()
{
    if (m_held)
        return false;
    beginResetModel();
    std::vector<DirectoryRow> gone = std::exchange(m_rows, {});
    m_keys.clear();
    endResetModel();
    FreeSoon(std::move(gone));
    return true;
}

bool DirectoryListModel::reorder(const std::vector<int>& order)
{
    return !m_held && reorderRows(order);
}

bool DirectoryListModel::reorderRows(const std::vector<int>& order)
{
    const size_t n = m_rows.size();
    if (order.size() != n)
        return false;
    std::vector<int> newPosition(n, -1);
    for (size_t i = 0; i < n; ++i) {
        if (order[i] < 0 || size_t(order[i]) >= n || newPosition[size_t(order[i])] >= 0)
            return false;
        newPosition[size_t(order[i])] = int(i);
    }
    bool moves = false;
    for (size_t i = 0; i < n && !moves; ++i)
        moves = order[i] != int(i);
    if (!moves)
        return true;

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<DirectoryRow> reordered;
    reordered.reserve(n);
    for (const int from : order) {
        DirectoryRow& r = m_rows[size_t(from)];
        if (r.isPreviewed() && !IsBatchOutcome(r.verdict.outcome)) {
            r.newName.clear();
            r.verdict = {};
        }
        reordered.push_back(std::move(r));
    }
    m_rows = std::move(reordered);
    m_keys.renumber(newPosition);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << this->index(newPosition[size_t(index.row())], index.column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

void DirectoryListModel::Hold::takeOver(RowsSnapshot& snapshot)
{
    snapshot.takeChanges([this](std::vector<ChangedRow>& changes) { takeOver(changes); });
}

void DirectoryListModel::takeOver(std::vector<ChangedRow>& changes)
{
    if (changes.empty())
        return;
    int first = count();
    int last = -1;
    for (ChangedRow& change : changes) {
        if (change.position < 0 || change.position >= count())
            continue; // never past the rows, whatever a pass hands over
        DirectoryRow& r = m_rows[size_t(change.position)];
        // Swapped, not assigned: the values the row gives up go back to the pass's thread.
        if (change.parts & (ChangedRow::Place | ChangedRow::Parent) && r.key != change.key) {
            m_keys.erase(change.position, KeyHash(r.key));
            r.key.swap(change.key);
            m_keys.insert(change.position, r.key, KeyHash(r.key), keyAt());
        }
        if (change.parts & (ChangedRow::Proposal | ChangedRow::Outcome))
            std::swap(r.verdict, change.verdict);
        if (change.parts & ChangedRow::Proposal)
            r.newName.swap(change.text);
        else if (change.parts & ChangedRow::Parent)
            r.parent.swap(change.text);
        first = std::min(first, change.position);
        last = std::max(last, change.position);
    }
    if (last >= 0)
        Q_EMIT dataChanged(index(first, 0), index(last, ColumnCount - 1));
}
