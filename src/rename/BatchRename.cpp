#include "BatchRename.h"

#include "RecordedBatch.h"
#include "common/AppInfo.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PassRunner.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"
#include "rows/RowsByParent.h"
#include "rows/RowsSnapshot.h"

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

// Asks once, saying how many folders the batch will rename.
bool confirmed(const DirectoryListModel& rows, MessageBoxes& messageBoxes)
{
    int renamable = 0;
    for (int i = 0; i < rows.count(); ++i)
        renamable += rows.row(i).verdict.outcome == Verdict::Outcome::CanRename;
    return messageBoxes.askYesNo(AppInfo::title,
                                 u"你确定要全部修改目录名称吗？\n将修改 %1 个目录；%2 个不会修改"
                                 u"（见“可否修改”一列）。"_s.arg(renamable)
                                     .arg(rows.count() - renamable));
}

// What the batch says of a row it does not try to rename for reasons of the row's own.
std::optional<Verdict> leftAlone(const DirectoryRow& row, const QSet<FileId>& programFolders)
{
    using Outcome = Verdict::Outcome;
    if (!row.hasParent())
        return Verdict{Outcome::RootNotRenamed, {}};
    if (!row.isPreviewed())
        return Verdict{Outcome::NeedsPreview, {}};
    if (programFolders.contains(row.id))
        return Verdict{Outcome::ProgramsOwnFolder, {}};
    return std::nullopt;
}

void report(MessageBoxes& messageBoxes, PassEnd end, bool recordStopped, int renamed, int failed,
            int rows)
{
    const QString counts =
        u"\n修改成功 %1 个，修改出错 %2 个，未修改 %3 个。"_s.arg(renamed).arg(failed).arg(
            rows - renamed - failed);
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

} // namespace

std::optional<FileSystemError> RenameListedFolder(FileSystem& fileSystem, FolderRenamer& renamer,
                                                  const ListedFolder& folder,
                                                  const QString& newName)
{
    if (std::optional<FileSystemError> problem = fileSystem.checkFolderName(newName))
        return problem;
    return renamer.rename(folder, newName);
}

Verdict 目录重命名(FileSystem& fileSystem, FolderRenamer& renamer, const DirectoryRow& row)
{
    using Outcome = Verdict::Outcome;
    using Kind = FileSystemError::Kind;
    if (row.newName == row.name)
        return Verdict{Outcome::SameName, {}};
    const std::optional<FileSystemError> error = RenameListedFolder(
        fileSystem, renamer, ListedFolder{row.parent, row.parentId, row.name, row.id}, row.newName);
    if (!error)
        return Verdict{Outcome::Renamed, {}};
    if (error->kind == Kind::MayHaveReplacedFolder)
        return Verdict{Outcome::Renamed, *error};
    // Letter case aside, where the file system does not tell it apart.
    if (error->kind == Kind::TargetIsSameFolder)
        return Verdict{Outcome::SameName, {}};
    if (error->kind == Kind::TargetIsFolder)
        return Verdict{Outcome::AlreadyExists, {}};
    return Verdict{Outcome::Failed, *error};
}

void ConfirmBatchRename(DirectoryListModel& rows, FileSystem& fileSystem,
                        MessageBoxes& messageBoxes, RecordStore& records, PassRunner& passes)
{
    using Outcome = Verdict::Outcome;
    using State = RecordEntry::State;
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold)
        return; // another pass works on the rows
    if (rows.count() > 0 && !anyPreviewed(rows)) {
        messageBoxes.inform(AppInfo::title, u"还没有模拟修改，请先模拟修改。"_s);
        return;
    }
    if (!confirmed(rows, messageBoxes))
        return;
    RecordedBatch record(records, rows.previewRule());
    if (!record.isRecording() && !messageBoxes.askYesNo(AppInfo::title, RecordMissingQuestion))
        return;

    RowsSnapshot snapshot(rows);
    int renamed = 0;
    int failed = 0;
    const auto renameAll = [&](PassControl& control) {
        const std::unique_ptr<FolderRenamer> renamer = fileSystem.folderRenamer();
        RowsByParent rowsByParent(snapshot);
        const QSet<FileId> programFolders = ProgramFolderIds(fileSystem);
        // Every row the batch tries, on record before it happens. A folder with rows below it
        // changes their paths as it is renamed.
        record.plan(snapshot.count(), [&](int i) -> std::optional<RecordedBatch::Planned> {
            const DirectoryRow& row = snapshot.row(i);
            if (leftAlone(row, programFolders) || row.newName == row.name)
                return std::nullopt;
            return RecordedBatch::Planned{RecordEntry{State::Pending, row.key,
                                                      JoinPath(row.parent, row.newName),
                                                      row.parentId, row.id},
                                          rowsByParent.hasRowsBelow(row.key)};
        });
        control.forEach(snapshot.count(), [&](int i) {
            const DirectoryRow& row = snapshot.row(i);
            if (record.stopped())
                return;
            if (const std::optional<Verdict> verdict = leftAlone(row, programFolders)) {
                snapshot.setVerdict(i, *verdict);
                return;
            }
            const bool attempt = row.newName != row.name;
            if (attempt && !record.admit(i))
                return; // no rename without its line on record
            const Verdict verdict = 目录重命名(fileSystem, *renamer, row);
            if (attempt)
                record.mark(verdict.outcome == Outcome::Renamed ? State::Renamed : State::Failed);
            if (verdict.outcome != Outcome::Renamed) {
                failed +=
                    verdict.outcome == Outcome::Failed || verdict.outcome == Outcome::AlreadyExists;
                snapshot.setVerdict(i, verdict);
                return;
            }
            ++renamed;
            const QString oldPath = row.key;
            snapshot.setPlace(i, row.newName, JoinPath(row.parent, row.newName), verdict);
            rowsByParent.follow(snapshot, oldPath, row.key);
        });
        record.finish(control.stopped());
    };
    const PassEnd end = passes.run(u"正在修改目录名称……"_s, snapshot.count(),
                                   snapshot.around(renameAll), [&] { hold->takeOver(snapshot); });
    report(messageBoxes, end, record.stopped(), renamed, failed, snapshot.count());
}
