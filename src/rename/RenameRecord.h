#pragma once

#include "platform/FileSystem.h"

#include <QStringList>

#include <optional>
#include <vector>

// One folder of a batch rename, as its record keeps it: a line of plain UTF-8 text,
// "<what happened>\t<old path>\t<new path>\t<parent's identity>\t<folder's identity>", with
// "%", TAB and line ends in the paths written as %25, %09, %0A and %0D, and the bytes of a name
// that is not UTF-8 as %80 to %FF.
struct RecordEntry
{
    enum class State { Pending, Renamed, Failed, Undone, UndoFailed };

    State state = State::Pending;
    QString oldPath;
    QString newPath;
    FileId parentId;
    FileId id;

    // Renamed by the batch (or perhaps renamed, when the batch was cut off) and not undone.
    bool needsUndo() const
    {
        return state == State::Pending || state == State::Renamed || state == State::UndoFailed;
    }
};

namespace RenameRecord {

// The record's first line, which tells it from anything else.
QString header();
QString line(const RecordEntry& entry);
// The entries in batch order, each with the last state its lines give; nothing for a record
// that is not one of ours. A line that cannot be read is left out and counted in unreadable,
// but a torn last line (a batch cut off while writing it) is not counted.
std::optional<std::vector<RecordEntry>> read(const QStringList& lines, int* unreadable = nullptr);
// One line per entry, after the header.
QStringList lines(const std::vector<RecordEntry>& entries);

} // namespace RenameRecord
