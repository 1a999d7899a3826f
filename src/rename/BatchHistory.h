#pragma once

#include "RecordStore.h"
#include "RenameRecord.h"

class FileSystem;

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
        OnAnotherComputer, // its lock was taken there: that program may have ended long ago
        Unreadable
    };

    RecordStore::Record record;
    std::optional<BatchRecordContent> content; // nothing when the record cannot be read

    // Folders, not steps (a folder of a cycle is on record twice), counted as the history is
    // read, away from the windows' thread: the folders the batch renamed (or may have, when it
    // was cut off), and those of them undone.
    int renamedCount = 0;
    int undoneCount = 0;

    State state() const;
};

QString StateText(BatchInHistory::State state);

// The batches of the records (RecordStore::history(), newest first), with what each record
// says. Where an undo was cut off, the disk tells which of its folders it gave back; those
// are undone in their batch. Reads the disk: for a pass's worker.
QList<BatchInHistory> ReadHistory(RecordStore& store, const QList<RecordStore::Record>& records,
                                  FileSystem& fileSystem);

// The newer batches, by position, that renamed one of this batch's folders again and are not
// undone (the undo of a batch newer than this one aside): this batch can be undone only after
// them.
QList<int> BatchesBlocking(const QList<BatchInHistory>& history, int position);
