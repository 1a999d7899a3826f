#pragma once

#include "RecordStore.h"
#include "RenameRecord.h"

#include <QList>

// One batch of the history, as its record says.
struct BatchInHistory
{
    enum class State {
        Completed,
        Cancelled,
        Interrupted, // the program was cut off before the batch's end
        PartlyUndone,
        Undone,
        InUseElsewhere,
        Unreadable
    };

    RecordStore::Record record;
    std::optional<BatchRecordContent> content; // nothing when the record cannot be read

    State state() const;
    // The folders the batch renamed (or may have, when it was cut off).
    int renamedCount() const;
};

QString StateText(BatchInHistory::State state);

// The batches of the records (RecordStore::history(), newest first), with what each record
// says.
QList<BatchInHistory> ReadHistory(RecordStore& store, const QList<RecordStore::Record>& records);

// The newer batches, by position, that renamed one of this batch's folders again and are not
// undone (the undo of a batch newer than this one aside): this batch can be undone only after
// them.
QList<int> BatchesBlocking(const QList<BatchInHistory>& history, int position);
