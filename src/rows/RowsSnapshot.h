#pragma once

#include "DirectoryRow.h"
#include "common/Outbox.h"

#include <vector>

class DirectoryListModel;

// A copy of the rows that a pass works on away from the list's thread. Every change is handed
// over as it happens; the list takes the changes over in batches (takeChanges() on its
// thread), so that the rows are never touched from two threads.
class RowsSnapshot
{
public:
    explicit RowsSnapshot(const DirectoryListModel& rows);

    int count() const { return int(m_rows.size()); }
    const DirectoryRow& row(int position) const { return m_rows[size_t(position)]; }

    void setProposal(int position, const QString& newName, const Verdict& verdict);
    void setVerdict(int position, const Verdict& verdict);
    // After a rename or its undo: the folder's name and path now, and the verdict.
    void setPlace(int position, const QString& name, const QString& key, const Verdict& verdict);
    // After a folder above the row was renamed: the row's parent path, and so its key.
    void setParent(int position, const QString& parent);

    // The changes since the last call, in order; safe from the list's thread.
    std::vector<ChangedRow> takeChanges() { return m_changes.take(); }

private:
    void handOver(int position, quint8 parts);

    std::vector<DirectoryRow> m_rows;
    Outbox<ChangedRow> m_changes;
};
