#pragma once

class DirectoryListModel;
class FileSystem;
class Journal;
class MessageBoxes;
class PassRunner;

// True when the record of the last batch rename holds a folder it renamed that has not been
// undone yet. A damaged or foreign record holds none.
bool CanUndoLastBatch(Journal& journal);

// The undo command: asks, then gives the folders the last batch renamed their old names back,
// newest first, with the same checks as the rename. Rows that stand for them say how it went;
// the record keeps what was undone (a cancelled undo leaves the rest for another one). Ends
// with one message that counts both outcomes. Returns whether the record still holds renames
// to undo.
bool UndoLastBatch(DirectoryListModel& rows, FileSystem& fileSystem, Journal& journal,
                   MessageBoxes& messageBoxes, PassRunner& passes);
