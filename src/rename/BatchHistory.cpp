#include "BatchHistory.h"

#include <QCoreApplication>

#include "platform/FileSystem.h"

#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BatchHistory)
};

using EntryState = RecordEntry::State;

bool wasRenamed(const RecordEntry& entry)
{
    return entry.state != EntryState::Failed;
}

bool isUndone(const RecordEntry& entry)
{
    return entry.state == EntryState::Undone;
}

// The identities of the batch's folders whose entries say so.
template <typename Says> QSet<FileId> foldersWhere(const BatchInHistory& batch, Says says)
{
    QSet<FileId> ids;
    if (batch.content) {
        for (const RecordEntry& entry : batch.content->entries) {
            if (says(entry))
                ids.insert(entry.id);
        }
    }
    return ids;
}

// The folders the batch renamed and that are not undone.
QSet<FileId> foldersToUndo(const BatchInHistory& batch)
{
    return foldersWhere(batch, [](const RecordEntry& entry) { return entry.needsUndo(); });
}

} // namespace

BatchInHistory::State BatchInHistory::state() const
{
    if (record.heldElsewhere)
        return record.otherComputer.isEmpty() ? State::InUseElsewhere : State::OnAnotherComputer;
    if (!content)
        return State::Unreadable;
    if (std::any_of(content->entries.begin(), content->entries.end(), isUndone))
        return content->anyToUndo() ? State::PartlyUndone : State::Undone;
    if (!content->ended)
        return State::Interrupted;
    return content->cancelled ? State::Cancelled : State::Completed;
}

QString StateText(BatchInHistory::State state)
{
    using State = BatchInHistory::State;
    switch (state) {
    case State::Completed:
        return Texts::tr("已完成");
    case State::Cancelled:
        return Texts::tr("已取消");
    case State::Interrupted:
        return Texts::tr("已中断");
    case State::PartlyUndone:
        return Texts::tr("部分撤销");
    case State::Undone:
        return Texts::tr("已撤销");
    case State::InUseElsewhere:
        return Texts::tr("正在另一个窗口中使用");
    case State::OnAnotherComputer:
        return Texts::tr("可能在另一台电脑上使用");
    case State::Unreadable:
        break;
    }
    return Texts::tr("无法读取");
}

namespace {

// Of an undo that was cut off, the folders that are back under their old names were given
// back.
void findWhatWasGivenBack(BatchRecordContent& undo, FolderFinder& finder)
{
    for (RecordEntry& entry : undo.entries) {
        if (entry.state != EntryState::Pending)
            continue;
        const FolderLookup found = finder.lookUp(entry.newPath());
        if (found.folder && found.folder->id == entry.id)
            entry.state = EntryState::Renamed;
    }
}

// What an undo renamed back is undone in its batch, also where the batch's record does not
// say so yet: the undo was cut off, or the batch's record could not be written.
void markUndone(BatchInHistory& batch, const BatchRecordContent& undo)
{
    QSet<FileId> renamedBack;
    for (const RecordEntry& entry : undo.entries) {
        if (entry.state != EntryState::Failed && entry.state != EntryState::Pending)
            renamedBack.insert(entry.id);
    }
    for (RecordEntry& entry : batch.content->entries) {
        if (entry.needsUndo() && renamedBack.contains(entry.id))
            entry.state = EntryState::Undone;
    }
}

} // namespace

QList<BatchInHistory> ReadHistory(RecordStore& store, const QList<RecordStore::Record>& records,
                                  FileSystem& fileSystem)
{
    const std::unique_ptr<FolderFinder> finder = fileSystem.folderFinder();
    QList<BatchInHistory> history;
    QHash<QString, qsizetype> byName;
    for (const RecordStore::Record& record : records) {
        byName.insert(record.name, history.size());
        history.append({record, store.read(record.name)});
    }
    for (BatchInHistory& undo : history) {
        if (!undo.content || undo.content->undoOf.isEmpty())
            continue;
        if (!undo.content->ended)
            findWhatWasGivenBack(*undo.content, *finder);
        const qsizetype undone = byName.value(undo.content->undoOf, -1);
        if (undone >= 0 && history[undone].content)
            markUndone(history[undone], *undo.content);
    }
    for (BatchInHistory& batch : history) {
        batch.renamedCount = int(foldersWhere(batch, wasRenamed).size());
        batch.undoneCount = int(foldersWhere(batch, isUndone).size());
    }
    return history;
}

QList<int> BatchesBlocking(const QList<BatchInHistory>& history, int position)
{
    const QSet<FileId> mine = foldersToUndo(history[position]);
    QHash<QString, int> newerByName; // batches newer than this one
    for (int newer = 0; newer < position; ++newer)
        newerByName.insert(history[newer].record.name, newer);
    // How many undos stand between a newer batch and the batch it goes back to: an undo of a
    // newer batch gave the folders back the names it found, no reason to wait; the undo of
    // that undo (a redo) renamed them again, as the batch it redoes did.
    const auto undoDepth = [&](int newer) {
        int depth = 0;
        for (const BatchInHistory* batch = &history[newer];
             batch->content && newerByName.contains(batch->content->undoOf) && depth < position;
             batch = &history[newerByName.value(batch->content->undoOf)])
            ++depth;
        return depth;
    };
    QList<int> blocking;
    for (int newer = 0; newer < position; ++newer) {
        const BatchInHistory& batch = history[newer];
        if (!batch.content || undoDepth(newer) % 2 == 1)
            continue;
        const auto& entries = batch.content->entries;
        if (std::any_of(entries.begin(), entries.end(), [&](const RecordEntry& entry) {
                return entry.needsUndo() && mine.contains(entry.id);
            }))
            blocking.append(newer);
    }
    return blocking;
}
