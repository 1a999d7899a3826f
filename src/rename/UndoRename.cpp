#include "UndoRename.h"

#include <QCoreApplication>

#include "BatchRename.h"
#include "RecordStore.h"
#include "RecordedBatch.h"
#include "common/AppInfo.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PassRunner.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"
#include "rows/RenamePlan.h"
#include "rows/RowsByParent.h"
#include "rows/RowsSnapshot.h"

#include <QHash>
#include <QLocale>
#include <QSet>

#include <functional>
#include <future>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(UndoRename)
};

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

enum class Undid { NothingToUndo, Renamed, Failed, NotOnRecord };

// The undo of one folder of the batch: its rename back to its old name, which the undo's record
// takes before it happens.
Undid undoOne(FileSystem& fileSystem, FolderRenamer& renamer, FolderFinder& finder,
              RecordedBatch& undoRecord, int item, RecordEntry& entry, FileSystemError& error)
{
    using State = RecordEntry::State;
    if (entry.state == State::Pending) {
        // Cut off around this rename: undo it only if it happened.
        const FolderLookup found = finder.lookUp(entry.newPath());
        if (!found.folder || !(found.folder->id == entry.id)) {
            entry.state = State::Undone;
            return Undid::NothingToUndo;
        }
    }
    if (!undoRecord.admit(item))
        return Undid::NotOnRecord; // no rename without its line on record
    std::optional<FileSystemError> failure = RenameListedFolder(
        fileSystem, renamer, ListedFolder{entry.parent, entry.parentId, entry.newName, entry.id},
        entry.oldName);
    if (failure && failure->kind == FileSystemError::Kind::MayHaveReplacedFolder) {
        error = *failure; // undone, and the row says what may have happened
        failure.reset();
    }
    if (failure) {
        // Already back under its old name: an undo of this batch that was cut off gave it back.
        const FolderLookup back = finder.lookUp(entry.oldPath());
        if (back.folder && back.folder->id == entry.id) {
            undoRecord.mark(State::Pending);
            entry.state = State::Undone;
            return Undid::NothingToUndo;
        }
    }
    undoRecord.mark(failure ? State::Failed : State::Renamed);
    entry.state = failure ? State::UndoFailed : State::Undone;
    if (!failure)
        return Undid::Renamed;
    error = *failure;
    return Undid::Failed;
}

// The record's content and, newest first (so that chains and swaps made in list order
// unwind), its entries still to undo. Picked out as the record is read, away from the windows'
// thread: a million entries take a while.
struct ToUndo
{
    std::optional<BatchRecordContent> content;
    std::vector<RecordEntry*> newestFirst;
};

std::optional<ToUndo> readToUndo(HeldRecord& record, PassRunner& passes)
{
    ToUndo toUndo;
    const PassEnd read = passes.run(
        Texts::tr("正在读取修改记录……"), 0,
        [&](PassControl&) {
            toUndo.content = record.read();
            if (!toUndo.content)
                return;
            std::vector<RecordEntry>& entries = toUndo.content->entries;
            // Of a batch cut off, a step still pending that gives a folder back a path it had
            // earlier in the batch (a cycle unwound) is left alone: happened or not, the undo of
            // the steps before it puts the folder back.
            std::vector<char> givesBack(entries.size());
            if (!toUndo.content->ended) {
                QHash<FileId, QSet<QString>> earlierPaths;
                for (size_t i = 0; i < entries.size(); ++i) {
                    QSet<QString>& paths = earlierPaths[entries[i].id];
                    givesBack[i] = entries[i].state == RecordEntry::State::Pending &&
                                   paths.contains(entries[i].newPath());
                    paths.insert(entries[i].oldPath());
                }
            }
            for (size_t i = entries.size(); i-- > 0;) {
                if (entries[i].needsUndo() && !givesBack[i])
                    toUndo.newestFirst.push_back(&entries[i]);
            }
        },
        [] {});
    if (read != PassEnd::Completed)
        return std::nullopt;
    return toUndo;
}

// The undone batch's record with what is left to undo, and the undo's own record, written at
// once (two files); then the entries are freed, here on the pass's worker: a large batch's
// take a while.
struct Finished
{
    int left = 0; // entries left to undo
    bool saved = false;
};

Finished finishBoth(RecordStore& records, HeldRecord& record, RecordedBatch& undoRecord,
                    ToUndo& read, bool cancelled)
{
    std::future<bool> saved = std::async(std::launch::async, [&records, &record, &read] {
        return records.save(record, *read.content);
    });
    undoRecord.finish(cancelled);
    Finished finished;
    finished.saved = saved.get();
    const auto& entries = read.content->entries;
    finished.left =
        int(std::count_if(entries.begin(), entries.end(), std::mem_fn(&RecordEntry::needsUndo)));
    // (Assigning {} would keep the vector's memory, to be freed on the windows' thread.)
    std::vector<RecordEntry*>().swap(read.newestFirst);
    read.content.reset();
    return finished;
}

struct Counts
{
    int undone = 0;
    int failed = 0;
    int notReached = 0;
    int unreadable = 0;
};

void report(MessageBoxes& messageBoxes, PassEnd end, bool stopped, const Counts& counts,
            bool batchSaved)
{
    const int undone = counts.undone;
    QString message =
        stopped
            ? Texts::tr("无法继续写入修改记录（磁盘可能已满），撤销已停止：已恢复 %n 个目录的原名，"
                        "其余的仍可再次撤销；已恢复的这些不能再撤销。",
                        nullptr, int(undone))
        : end == PassEnd::Cancelled
            ? Texts::tr("撤销已取消：已恢复 %n 个目录的原名，其余的仍可再次撤销。", nullptr,
                        int(undone))
            : Texts::tr("已恢复 %n 个目录的原名。", nullptr, int(undone));
    message += Texts::tr("\n恢复成功 %1 个，恢复出错 %2 个，未恢复 %3 个。")
                   .arg(undone)
                   .arg(counts.failed)
                   .arg(counts.notReached);
    if (counts.unreadable > 0) {
        message += Texts::tr("\n修改记录中有 %1 行无法读取，这些行上的目录没有撤销。")
                       .arg(counts.unreadable);
    }
    if (counts.failed > 0) {
        message +=
            Texts::tr("\n有 %n 个目录无法恢复原名（可能已被改名、移动或删除，或原名已被占用），"
                      "原因见列表。",
                      nullptr, int(counts.failed));
    }
    if (!batchSaved)
        message += Texts::tr("\n这次修改的记录无法更新，修改记录中它可能仍显示为未撤销。");
    messageBoxes.inform(AppInfo::title(), message);
}

} // namespace

QString UndoLastQuestion()
{
    return Texts::tr("你确定要撤销上次的修改吗？");
}

void UndoBatch(DirectoryListModel& rows, FileSystem& fileSystem, RecordStore& records,
               HeldRecord& record, MessageBoxes& messageBoxes, PassRunner& passes,
               const QString& question)
{
    using Outcome = Verdict::Outcome;
    using State = RecordEntry::State;
    std::optional<ToUndo> read = readToUndo(record, passes);
    if (!read)
        return;
    std::vector<RecordEntry*>& newestFirst = read->newestFirst;
    if (newestFirst.empty()) {
        records.settle(record, false);
        return;
    }
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold)
        return; // another pass works on the rows
    // Which batch, in words: after an undo from the history "上次" alone is not clear.
    const QString began =
        QLocale().toString(RecordStore::beganOf(record.name()), u"yyyy-MM-dd HH:mm"_s);
    const QString count = QString::number(newestFirst.size());
    const QString& rule = read->content->rule;
    const QString which = rule.isEmpty()
                              ? Texts::tr("%1 的修改，%2 个目录。").arg(began, count)
                              : Texts::tr("%1 的修改（%2），%3 个目录。").arg(began, rule, count);
    if (!question.isEmpty() && !messageBoxes.askYesNo(AppInfo::title(), question + u'\n' + which))
        return;
    // The undo is a batch of its own, on record so that it can be undone in turn.
    RecordedBatch undoRecord(records, Texts::tr("撤销：%1").arg(read->content->rule),
                             record.name());
    if (!undoRecord.isRecording() &&
        !messageBoxes.askYesNo(AppInfo::title(), RecordMissingQuestion()))
        return;

    RowsSnapshot snapshot(rows, RowsSnapshot::Changes::Places);
    Counts counts;
    counts.unreadable = read->content->unreadable;
    const int toUndo = int(newestFirst.size());
    bool batchSaved = true;
    const auto undoAll = [&](PassControl& control) {
        const std::unique_ptr<FolderRenamer> renamer = fileSystem.folderRenamer();
        const std::unique_ptr<FolderFinder> finder = fileSystem.folderFinder();
        // On record a block ahead of its renames, the first while the rows are indexed: the
        // record's paths are those the folders had then, which no undo of a later entry changes.
        undoRecord.plan(toUndo, [&](int i) {
            const RecordEntry* entry = newestFirst[size_t(i)];
            return std::optional(
                RecordedBatch::Planned{RecordEntry{State::Pending, entry->parent, entry->newName,
                                                   entry->oldName, entry->parentId, entry->id}});
        });
        RowsByParent rowsByParent(snapshot);
        const QHash<FileId, int> rowOfId = rowsById(snapshot);
        control.forEach(toUndo, [&](int i) {
            RecordEntry& entry = *newestFirst[size_t(i)];
            FileSystemError error;
            if (undoRecord.stopped())
                return;
            const Undid undid = undoOne(fileSystem, *renamer, *finder, undoRecord, i, entry, error);
            if (undid == Undid::NothingToUndo || undid == Undid::NotOnRecord)
                return;
            // The folder's row, where it still bears the path the batch gave the folder.
            const int ofFolder = rowOfId.value(entry.id, -1);
            const int row = ofFolder >= 0 && IsJoinedPath(snapshot.row(ofFolder).key, entry.parent,
                                                          entry.newName)
                                ? ofFolder
                                : -1;
            if (undid == Undid::Failed) {
                ++counts.failed;
                if (row >= 0)
                    snapshot.setVerdict(row, Verdict{Outcome::UndoFailed, error});
                return;
            }
            ++counts.undone;
            const QString oldPath = entry.oldPath();
            if (row >= 0)
                snapshot.setPlace(row, oldPath, Verdict{Outcome::Undone, error});
            rowsByParent.follow(snapshot, entry.newPath(), oldPath); // rows below it
        });
        const Finished finished = finishBoth(records, record, undoRecord, *read,
                                             control.stopped() || undoRecord.stopped());
        counts.notReached = finished.left - counts.failed;
        batchSaved = finished.saved;
    };
    const PassEnd end = passes.run(Texts::tr("正在撤销修改……"), toUndo, snapshot.around(undoAll),
                                   [&] { hold->takeOver(snapshot); });
    if (end == PassEnd::Closing || end == PassEnd::Refused)
        return;

    report(messageBoxes, end, undoRecord.stopped(), counts, batchSaved);
}

void UndoLastBatch(DirectoryListModel& rows, FileSystem& fileSystem, RecordStore& records,
                   MessageBoxes& messageBoxes, PassRunner& passes)
{
    if (HeldRecord* last = records.owned())
        UndoBatch(rows, fileSystem, records, *last, messageBoxes, passes);
    else
        records.refresh();
}

int FoldersLeftUnderTemporaryNames(HeldRecord& record, FileSystem& fileSystem)
{
    const std::optional<BatchRecordContent> content = record.read();
    if (!content || content->ended)
        return 0;
    const std::unique_ptr<FolderFinder> finder = fileSystem.folderFinder();
    QSet<FileId> left;
    for (const RecordEntry& entry : content->entries) {
        if (!RenamePlan::IsTemporaryName(entry.newName))
            continue;
        const FolderLookup found = finder->lookUp(entry.newPath());
        if (found.folder && found.folder->id == entry.id)
            left.insert(entry.id);
    }
    return int(left.size());
}
