#pragma once

#include "DirectoryRow.h"
#include "common/Outbox.h"

#include <functional>
#include <vector>

class DirectoryListModel;
class PassControl;

// The rows as a pass sees them away from the list's thread. The list is held meanwhile, so
// nothing but this pass's hand-over changes them. A pass that only proposes names and verdicts
// reads the list's rows in place: the hand-over writes only what such a pass never reads. A
// pass that moves folders works on a copy, made on its worker before it changes anything and
// let go of there when it ends (a million rows take a tenth of a second either way, too long for
// the windows' thread). Every change is handed over as it happens; the list takes the changes
// over in batches (takeChanges() on its thread), so that the rows are never written from two
// threads.
class RowsSnapshot
{
public:
    enum class Changes {
        Proposals, // new names and verdicts, which the pass never reads back
        Places,    // names, paths and parents as well
    };
    RowsSnapshot(const DirectoryListModel& rows, Changes changes);

    // The pass's work, between taking the rows and letting them go, as the pass runs it.
    std::function<void(PassControl&)> around(std::function<void(PassControl&)> work);

    int count() const { return m_count; }
    // Only within the work. Where the pass changes only proposals, a row's newName and verdict
    // are the list's to change meanwhile: the pass reads neither.
    const DirectoryRow& row(int position) const { return m_read[position]; }

    void setProposal(int position, const QString& newName, const Verdict& verdict);
    void setVerdict(int position, const Verdict& verdict);
    // Only where places change. After a rename or its undo: the folder's path now (its name is
    // the path's end), and the verdict.
    void setPlace(int position, const QString& key, const Verdict& verdict);
    // After a folder above the row was renamed: the row's parent path, and so its key.
    void setParent(int position, const QString& parent);

    // Gives the changes since the last call, in order, to use(std::vector<ChangedRow>&); safe
    // from the list's thread.
    template <typename Use> void takeChanges(const Use& use) { m_changes.take(use); }

private:
    void handOver(ChangedRow change);

    const DirectoryListModel& m_source;
    PassControl* m_control = nullptr;
    const Changes m_kind;
    int m_count;
    const DirectoryRow* m_read = nullptr;
    std::vector<DirectoryRow> m_rows; // the copy, where places change
    Outbox<ChangedRow> m_changes;
};
