#pragma once

#include "DirectoryRow.h"
#include "RowKeyIndex.h"

#include <QAbstractTableModel>

#include <optional>
#include <utility>
#include <vector>

class RowsSnapshot;

// The rows of the directory list, in display order. Keys are unique: a hash of them makes the
// duplicate test O(1). Row positions are 0-based.
//
// The passes work on a copy (RowsSnapshot) and hand their changes over in batches.
class DirectoryListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, NewNameColumn, VerdictColumn, ColumnCount };

    explicit DirectoryListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int count() const { return int(m_rows.size()); }
    const DirectoryRow& row(int position) const { return m_rows[size_t(position)]; }
    bool containsKey(const QString& key) const;

    // A pass's claim on the rows while it works away from them: meanwhile the rows change only
    // through it, and every other append, removal or clearing is refused. One at a time.
    class Hold
    {
    public:
        Hold(Hold&& other) noexcept : m_rows(std::exchange(other.m_rows, nullptr)) {}
        Hold& operator=(Hold&&) = delete;
        ~Hold()
        {
            if (m_rows)
                m_rows->m_held = false;
        }

        // The index's room for that many rows in all, made on the pass's worker before its
        // first hand-over: a million rows' slots take a twentieth of a second to clear, and the
        // windows' thread reads the index only to take a hand-over.
        void reserveIndex(int rows) { m_rows->m_keys.reserve(size_t(rows)); }
        // As DirectoryListModel::appendAll; the rows are moved out of the vector.
        int appendAll(std::vector<HashedRow>& rows) { return m_rows->appendRows(rows); }
        // Takes over rows the pass changed on its copy, in order, with one notification.
        // The changes are moved out of the vector.
        void takeOver(std::vector<ChangedRow>& changes) { m_rows->takeOver(changes); }
        // The same for the changes the pass's copy has handed over since the last call.
        void takeOver(RowsSnapshot& snapshot);
        // As DirectoryListModel::reorder, for a pass that worked out the order.
        bool reorder(const std::vector<int>& order) { return m_rows->reorderRows(order); }
        // The rule of the preview whose proposals the rows now hold, in words, and whether its
        // batch is planned (RenamePlan) rather than run in list order.
        void setPreviewRule(QString words, bool planned)
        {
            m_rows->m_previewRule = std::move(words);
            m_rows->m_previewPlanned = planned;
        }

    private:
        friend class DirectoryListModel;
        explicit Hold(DirectoryListModel& rows) : m_rows(&rows) { rows.m_held = true; }

        DirectoryListModel* m_rows;
    };
    // Nothing while another pass holds the rows.
    std::optional<Hold> hold();
    bool isHeld() const { return m_held; }
    const QString& previewRule() const { return m_previewRule; }
    bool isPreviewPlanned() const { return m_previewPlanned; }

    // Appends one row (a null parent for a root); false, and nothing changes, when the key is
    // already listed or a pass holds the rows.
    bool append(const QString& key, const QString& parent);
    // Appends the rows whose keys are new (to the list and to the batch), with one
    // notification. Returns how many were appended: none while a pass holds the rows.
    int appendAll(std::vector<DirectoryRow> rows);

    // Room for that many rows in all, for a pass that appends them in batches (the index's
    // room comes from Hold::reserveIndex).
    void reserve(int rows);

    // Removes the marked rows (marked[i] for row i) in one pass, keeping the others' order.
    // False, removing nothing, while a pass holds the rows.
    bool removeMarked(const std::vector<bool>& marked);
    bool removeAll();

    // Puts the rows in a new order: order[i] is the position now of the row to stand at i.
    // Rows keep their identity, selection and the outcomes of a batch; a preview's proposals,
    // which depend on the order (numbers, which row gets a name first), are dropped. False,
    // changing nothing, while a pass holds the rows or when order is not a permutation.
    bool reorder(const std::vector<int>& order);

private:
    // The earlier row that takes the new name first, for a row whose preview found it so;
    // -1 for none.
    int rowProposingFirst(int position) const;
    // Of a planned batch, found when asked: the row whose name this row takes, and why the row
    // can go although its name is taken now.
    int rowGivingUpName(int position) const;
    QString plannedHint(int position) const;
    QString toolTip(int position, int column) const;
    static std::vector<HashedRow> withKeyHashes(std::vector<DirectoryRow> rows);
    int appendRows(std::vector<HashedRow>& rows);
    bool reorderRows(const std::vector<int>& order);
    void takeOver(std::vector<ChangedRow>& changes);

    auto keyAt() const
    {
        return [this](int position) -> const QString& {
            return m_rows[size_t(position)].key;
        };
    }

    std::vector<DirectoryRow> m_rows;
    RowKeyIndex m_keys;
    QString m_previewRule;
    bool m_previewPlanned = false;
    quint32 m_nextAdded = 0;
    bool m_held = false;
};
