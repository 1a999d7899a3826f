#include "BatchRename.h"

#include "BatchRecord.h"
#include "common/AppInfo.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PassRunner.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"
#include "rows/RowsByParent.h"
#include "rows/RowsSnapshot.h"

#include <future>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

bool anyPreviewed(const DirectoryListModel& rows)
{
    for (int i = 0; i < rows.count(); ++i) {
        if (rows.row(i).isPreviewed())
            return true;
    }
    return false;
}

int countRenamable(const DirectoryListModel& rows)
{
    int renamable = 0;
    for (int i = 0; i < rows.count(); ++i)
        renamable += rows.row(i).verdict.outcome == Verdict::Outcome::CanRename;
    return renamable;
}

} // namespace

Verdict 目录重命名(FileSystem& fileSystem, FolderRenamer& renamer, const DirectoryRow& row)
{
    using Outcome = Verdict::Outcome;
    using Kind = FileSystemError::Kind;
    if (row.newName == row.name)
        return Verdict{Outcome::SameName, {}};
    if (std::optional<FileSystemError> problem = fileSystem.checkFolderName(row.newName))
        return Verdict{Outcome::Failed, *problem};
    const std::optional<FileSystemError> error =
        renamer.rename(ListedFolder{row.parent, row.parentId, row.name, row.id}, row.newName);
    if (!error)
        return Verdict{Outcome::Renamed, {}};
    // Letter case aside, where the file system does not tell it apart.
    if (error->kind == Kind::TargetIsSameFolder)
        return Verdict{Outcome::SameName, {}};
    if (error->kind == Kind::TargetIsFolder)
        return Verdict{Outcome::AlreadyExists, {}};
    return Verdict{Outcome::Failed, *error};
}

void ConfirmBatchRename(DirectoryListModel& rows, FileSystem& fileSystem,
                        MessageBoxes& messageBoxes, BatchRecord& record, PassRunner& passes)
{
    using Outcome = Verdict::Outcome;
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold)
        return; // another pass works on the rows
    if (rows.count() > 0 && !anyPreviewed(rows)) {
        messageBoxes.inform(AppInfo::title, u"还没有模拟修改，请先模拟修改。"_s);
        return;
    }
    const int renamable = countRenamable(rows);
    if (!messageBoxes.askYesNo(AppInfo::title,
                               u"你确定要全部修改目录名称吗？\n将修改 %1 个目录；%2 个不会修改"
                               u"（见“可否修改”一列）。"_s.arg(renamable)
                                   .arg(rows.count() - renamable)))
        return;
    const bool recording = record.begin(rows.previewRule());
    if (!recording &&
        !messageBoxes.askYesNo(AppInfo::title,
                               u"无法保存修改记录，这次修改之后将不能撤销。仍然继续修改吗？"_s))
        return;

    RowsSnapshot snapshot(rows);
    std::vector<RecordEntry> entries;
    int renamed = 0;
    int failed = 0;
    bool recordStopped = false; // the record could not take the next renames: none were made
    const auto renameAll = [&](PassControl& control) {
        const std::unique_ptr<FolderRenamer> renamer = fileSystem.folderRenamer();
        RowsByParent rowsByParent(snapshot);
        const auto pendingEntry = [](const DirectoryRow& row) {
            return RecordEntry{RecordEntry::State::Pending, row.key,
                               JoinPath(row.parent, row.newName), row.parentId, row.id};
        };
        const QSet<FileId> programFolders = ProgramFolderIds(fileSystem);
        const auto attempted = [&](const DirectoryRow& row) {
            return row.hasParent() && row.isPreviewed() && row.newName != row.name &&
                   !programFolders.contains(row.id);
        };
        // Renames go on record before they happen, so that a batch cut off anywhere can be
        // undone; a block of them at a time, one write and one wait for the disk each. A block
        // ends at a folder with rows below it, as its rename changes their paths. Blocks grow,
        // so that a large batch waits for the disk a few dozen times, not once every few
        // hundred folders.
        struct Block
        {
            std::vector<RecordEntry> entries;
            int end = 0;               // the row after its last
            bool changesPaths = false; // its last folder has rows below it
        };
        size_t blockSize = 256;
        const auto blockFrom = [&](int first) {
            Block block;
            block.entries.reserve(blockSize);
            int i = first;
            while (i < snapshot.count() && block.entries.size() < blockSize) {
                const DirectoryRow& row = snapshot.row(i++);
                if (!attempted(row))
                    continue;
                block.entries.push_back(pendingEntry(row));
                if (rowsByParent.hasRowsBelow(row.key)) {
                    block.changesPaths = true;
                    break;
                }
            }
            block.end = i;
            blockSize = std::min<size_t>(blockSize * 2, 8192);
            return block;
        };
        // While one block's folders are renamed, the next block goes on record on a thread of
        // its own, unless its paths wait for those renames. Each attempted row takes its entry
        // from the block being renamed, in order.
        int recordedUpTo = 0;
        Block current;
        size_t nextOfCurrent = 0;
        Block ahead;
        std::future<bool> aheadWritten; // reads ahead.entries until it is done
        const auto writeNextAhead = [&] {
            ahead = blockFrom(recordedUpTo);
            if (ahead.entries.empty())
                return; // nothing left to rename
            aheadWritten = std::async(std::launch::async, [&record, &entries = ahead.entries] {
                return record.writeAhead(entries);
            });
        };
        const auto recordAhead = [&](int first) {
            bool written = false;
            if (aheadWritten.valid()) {
                // It holds this row: rows are attempted in order.
                Q_ASSERT(first < ahead.end);
                written = aheadWritten.get();
                current = std::move(ahead);
            } else {
                current = blockFrom(first);
                written = record.writeAhead(current.entries);
            }
            nextOfCurrent = 0;
            recordedUpTo = current.end;
            if (written && !current.changesPaths && recordedUpTo < snapshot.count())
                writeNextAhead();
            return written;
        };
        const auto entryOf = [&](const DirectoryRow& row) {
            if (!recording)
                return pendingEntry(row);
            Q_ASSERT(nextOfCurrent < current.entries.size() &&
                     current.entries[nextOfCurrent].oldPath == row.key);
            return std::move(current.entries[nextOfCurrent++]);
        };
        control.forEach(snapshot.count(), [&](int i) {
            if (recordStopped)
                return;
            const DirectoryRow& row = snapshot.row(i);
            if (!row.hasParent()) {
                snapshot.setVerdict(i, Verdict{Outcome::RootNotRenamed, {}});
                return;
            }
            if (!row.isPreviewed()) {
                snapshot.setVerdict(i, Verdict{Outcome::NeedsPreview, {}});
                return;
            }
            if (programFolders.contains(row.id)) {
                snapshot.setVerdict(i, Verdict{Outcome::ProgramsOwnFolder, {}});
                return;
            }
            const bool attempt = attempted(row);
            if (attempt) {
                // A record that could be written before the batch but not now (a disk that
                // filled up): no rename without its line.
                if (recording && i >= recordedUpTo && !recordAhead(i)) {
                    recordStopped = true;
                    return;
                }
                entries.push_back(entryOf(row));
            }
            const Verdict verdict = 目录重命名(fileSystem, *renamer, row);
            if (attempt) {
                entries.back().state = verdict.outcome == Outcome::Renamed
                                           ? RecordEntry::State::Renamed
                                           : RecordEntry::State::Failed;
            }
            if (verdict.outcome != Outcome::Renamed) {
                failed +=
                    verdict.outcome == Outcome::Failed || verdict.outcome == Outcome::AlreadyExists;
                snapshot.setVerdict(i, verdict);
                return;
            }
            ++renamed;
            const QString oldPath = row.key;
            snapshot.setPlace(i, row.newName, entries.back().newPath, verdict);
            rowsByParent.follow(snapshot, oldPath, row.key);
        });
        if (aheadWritten.valid())
            aheadWritten.wait(); // a block ahead of a cancelled batch
        if (!recordStopped)
            record.finish(std::move(entries), control.stopped());
        else
            record.refresh(); // what reached the record can be undone
    };
    const PassEnd end = passes.run(u"正在修改目录名称……"_s, snapshot.count(),
                                   snapshot.around(renameAll), [&] { hold->takeOver(snapshot); });
    record.announce();
    const QString counts =
        u"\n修改成功 %1 个，修改出错 %2 个，未修改 %3 个。"_s.arg(renamed).arg(failed).arg(
            snapshot.count() - renamed - failed);
    if (recordStopped && end != PassEnd::Closing)
        messageBoxes.inform(
            AppInfo::title,
            u"无法继续写入修改记录（磁盘可能已满），批量修改已停止：%1 "
            u"个目录已改名，其余目录没有修改。已改名的目录可以撤销。"_s.arg(renamed) +
                counts);
    else if (end == PassEnd::Completed)
        messageBoxes.inform(AppInfo::title, u"批量修改目录名称完成！"_s + counts);
    else if (end == PassEnd::Cancelled)
        messageBoxes.inform(AppInfo::title,
                            u"批量修改已取消：%1 个目录已改名，其余目录没有修改。"_s.arg(renamed) +
                                counts);
}
