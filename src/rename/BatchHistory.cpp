#include "BatchHistory.h"

#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using EntryState = RecordEntry::State;

bool wasRenamed(const RecordEntry& entry)
{
    return entry.state != EntryState::Failed;
}

// The identities of the folders the batch renamed and that are not undone.
QSet<FileId> foldersToUndo(const BatchInHistory& batch)
{
    QSet<FileId> ids;
    if (batch.content) {
        for (const RecordEntry& entry : batch.content->entries) {
            if (entry.needsUndo())
                ids.insert(entry.id);
        }
    }
    return ids;
}

} // namespace

BatchInHistory::State BatchInHistory::state() const
{
    if (record.heldElsewhere)
        return State::InUseElsewhere;
    if (!content)
        return State::Unreadable;
    const auto& entries = content->entries;
    const auto undone = std::count_if(entries.begin(), entries.end(), [](const RecordEntry& e) {
        return e.state == EntryState::Undone;
    });
    if (undone > 0)
        return content->anyToUndo() ? State::PartlyUndone : State::Undone;
    if (!content->ended)
        return State::Interrupted;
    return content->cancelled ? State::Cancelled : State::Completed;
}

int BatchInHistory::renamedCount() const
{
    if (!content)
        return 0;
    return int(std::count_if(content->entries.begin(), content->entries.end(), wasRenamed));
}

QString StateText(BatchInHistory::State state)
{
    using State = BatchInHistory::State;
    switch (state) {
    case State::Completed:
        return u"已完成"_s;
    case State::Cancelled:
        return u"已取消"_s;
    case State::Interrupted:
        return u"已中断"_s;
    case State::PartlyUndone:
        return u"部分撤销"_s;
    case State::Undone:
        return u"已撤销"_s;
    case State::InUseElsewhere:
        return u"正在另一个窗口中使用"_s;
    case State::Unreadable:
        break;
    }
    return u"无法读取"_s;
}

QList<BatchInHistory> ReadHistory(RecordStore& store, const QList<RecordStore::Record>& records)
{
    QList<BatchInHistory> history;
    for (const RecordStore::Record& record : records)
        history.append({record, store.read(record.name)});
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
