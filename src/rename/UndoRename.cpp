#include "UndoRename.h"

#include "BatchRename.h"
#include "RecordStore.h"
#include "RecordedBatch.h"
#include "common/AppInfo.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PassRunner.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"
#include "rows/RowsByParent.h"
#include "rows/RowsSnapshot.h"

#include <QHash>

#include <functional>
#include <future>

using namespace Qt::StringLiterals;

namespace {

// Each row by the folder it stands for, which no rename changes: the index stays true as the
// rows below an undone folder follow it.
QHash<FileId, int> rowsById(const RowsSnapshot& rows)
{
    QHash<FileId, int> positions;
    positions.reserve(rows.count());
    for (int i = 0; i < rows.count(); ++i)
        positions.insert(rows.row(i).id, i);
    return positions;
}

} // namespace

void UndoBatch(DirectoryListModel& rows, FileSystem& fileSystem, RecordStore& records,
               HeldRecord& record, MessageBoxes& messageBoxes, PassRunner& passes,
               const QString& question)
{
    using Outcome = Verdict::Outcome;
    using State = RecordEntry::State;
    std::optional<BatchRecordContent> content;
    // Newest first, so that chains and swaps made in list order unwind. Picked out as the
    // record is read, away from the windows' thread: a million entries take a while.
    std::vector<RecordEntry*> newestFirst;
    const PassEnd read = passes.run(
        u"正在读取修改记录……"_s, 0,
        [&](PassControl&) {
            content = record.read();
            if (!content)
                return;
            for (auto entry = content->entries.rbegin(); entry != content->entries.rend();
                 ++entry) {
                if (entry->needsUndo())
                    newestFirst.push_back(&*entry);
            }
        },
        [] {});
    if (read != PassEnd::Completed)
        return;
    if (newestFirst.empty()) {
        records.settle(record, false);
        return;
    }
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold)
        return; // another pass works on the rows
    if (!messageBoxes.askYesNo(AppInfo::title, question))
        return;
    // The undo is a batch of its own, on record so that it can be undone in turn.
    RecordedBatch undoRecord(records, u"撤销：%1"_s.arg(content->rule), record.name());

    RowsSnapshot snapshot(rows);
    const int unreadable = content->unreadable;
    const int toUndo = int(newestFirst.size());
    int undone = 0;
    int notReached = 0;
    int failed = 0;
    const auto undoAll = [&](PassControl& control) {
        const std::unique_ptr<FolderRenamer> renamer = fileSystem.folderRenamer();
        const std::unique_ptr<FolderFinder> finder = fileSystem.folderFinder();
        // All on record, on a thread of its own while the rows are indexed; before any rename.
        undoRecord.plan(
            toUndo,
            [&](int i) {
                const RecordEntry* entry = newestFirst[size_t(i)];
                return std::optional(RecordedBatch::Planned{RecordEntry{
                    State::Pending, entry->newPath, entry->oldPath, entry->parentId, entry->id}});
            },
            size_t(toUndo));
        RowsByParent rowsByParent(snapshot);
        const QHash<FileId, int> rowOfId = rowsById(snapshot);
        control.forEach(toUndo, [&](int i) {
            RecordEntry* entry = newestFirst[size_t(i)];
            const auto [parent, name] = SplitPath(entry->newPath);
            const QString oldName = SplitPath(entry->oldPath).second;
            if (entry->state == State::Pending) {
                // Cut off around this rename: undo it only if it happened.
                const FolderLookup found = finder->lookUp(entry->newPath);
                if (!found.folder || !(found.folder->id == entry->id)) {
                    entry->state = State::Undone;
                    return;
                }
            }
            undoRecord.admit(i);
            const std::optional<FileSystemError> error =
                RenameListedFolder(fileSystem, *renamer,
                                   ListedFolder{parent, entry->parentId, name, entry->id}, oldName);
            // The folder's row, where it still bears the path the batch gave the folder.
            const int ofFolder = rowOfId.value(entry->id, -1);
            const int row =
                ofFolder >= 0 && snapshot.row(ofFolder).key == entry->newPath ? ofFolder : -1;
            if (error) {
                undoRecord.mark(State::Failed);
                entry->state = State::UndoFailed;
                ++failed;
                if (row >= 0)
                    snapshot.setVerdict(row, Verdict{Outcome::UndoFailed, *error});
                return;
            }
            undoRecord.mark(State::Renamed);
            entry->state = State::Undone;
            ++undone;
            if (row >= 0)
                snapshot.setPlace(row, oldName, entry->oldPath, Verdict{Outcome::Undone, {}});
            rowsByParent.follow(snapshot, entry->newPath, entry->oldPath); // rows below it
        });
        // Two records, two files: both written at once.
        std::future<void> saved = std::async(
            std::launch::async, [&records, &record, &content] { records.save(record, *content); });
        undoRecord.finish(control.stopped());
        saved.wait();
        notReached = int(std::count_if(content->entries.begin(), content->entries.end(),
                                       std::mem_fn(&RecordEntry::needsUndo))) -
                     failed;
        // A large batch's entries take a while to free: here, not on the windows' thread.
        // (Assigning {} would keep the vector's memory, to be freed there after all.)
        std::vector<RecordEntry*>().swap(newestFirst);
        content.reset();
    };
    const PassEnd end = passes.run(u"正在撤销修改……"_s, toUndo, snapshot.around(undoAll),
                                   [&] { hold->takeOver(snapshot); });
    if (end == PassEnd::Closing || end == PassEnd::Refused)
        return;

    QString message =
        end == PassEnd::Cancelled
            ? u"撤销已取消：已恢复 %1 个目录的原名，其余的仍可再次撤销。"_s.arg(undone)
            : u"已恢复 %1 个目录的原名。"_s.arg(undone);
    message += u"\n恢复成功 %1 个，恢复出错 %2 个，未恢复 %3 个。"_s.arg(undone).arg(failed).arg(
        notReached);
    if (unreadable > 0) {
        message += u"\n修改记录中有 %1 行无法读取，这些行上的目录没有撤销。"_s.arg(unreadable);
    }
    if (failed > 0) {
        message += u"\n有 %1 个目录无法恢复原名（可能已被改名、移动或删除，或原名已被占用），"
                   u"原因见列表。"_s.arg(failed);
    }
    messageBoxes.inform(AppInfo::title, message);
}

void UndoLastBatch(DirectoryListModel& rows, FileSystem& fileSystem, RecordStore& records,
                   MessageBoxes& messageBoxes, PassRunner& passes)
{
    if (HeldRecord* last = records.owned())
        UndoBatch(rows, fileSystem, records, *last, messageBoxes, passes);
    else
        records.refresh();
}
