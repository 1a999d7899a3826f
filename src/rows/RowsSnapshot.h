#pragma once

#include "DirectoryRow.h"
#include "common/Outbox.h"

#include <functional>
#include <vector>

class DirectoryListModel;
class PassControl;

// A copy of the rows that a pass works on away from the list's thread. The rows are copied on
// the pass's worker before it changes anything, and let go of there when it ends: a million
// rows take a tenth of a second either way, too long for the windows' thread. The list is held
// meanwhile, so nothing but this pass's hand-over changes them, and that only after the copy.
// Every change is handed over as it happens; the list takes the changes over in batches
// (takeChanges() on its thread), so that the rows are never written from two threads.
class RowsSnapshot
{
public:
    explicit RowsSnapshot(const DirectoryListModel& rows);

    // The pass's work, between copying the rows and letting them go, as the pass runs it.
    std::function<void(PassControl&)> around(std::function<void(PassControl&)> work);

    int count() const { return m_count; }
    // Only within the work.
    const DirectoryRow& row(int position) const { return m_rows[size_t(position)]; }

    void setProposal(int position, const QString& newName, const Verdict& verdict);
    void setVerdict(int position, const Verdict& verdict);
    // After a rename or its undo: the folder's name and path now, and the verdict.
    void setPlace(int position, const QString& name, const QString& key, const Verdict& verdict);
    // After a folder above the row was renamed: the row's parent path, and so its key.
    void setParent(int position, const QString& parent);

    // Gives the changes since the last call, in order, to use(std::vector<ChangedRow>&); safe
    // from the list's thread.
    template <typename Use> void takeChanges(const Use& use) { m_changes.take(use); }

private:
    void handOver(int position, quint8 parts);

    const DirectoryListModel& m_source;
    int m_count;
    std::vector<DirectoryRow> m_rows;
    Outbox<ChangedRow> m_changes;
};
