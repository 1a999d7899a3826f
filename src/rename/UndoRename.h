#pragma once

#include <QString>

class DirectoryListModel;
class FileSystem;
class HeldRecord;
class MessageBoxes;
class PassRunner;
class RecordStore;

// "你确定要撤销上次的修改吗？", in the interface's language.
QString UndoLastQuestion();

// The undo command: asks (unless the question is empty), then gives the folders the record's batch
// renamed their old names back, newest first, with the same checks as the rename. Rows that stand
// for them say how it went; the record keeps what was undone (a cancelled undo leaves the rest for
// another one). Ends with one message that counts both outcomes. The undo is itself recorded as a
// batch, which can be undone in turn.
void UndoBatch(DirectoryListModel& rows, FileSystem& fileSystem, RecordStore& records,
               HeldRecord& record, MessageBoxes& messageBoxes, PassRunner& passes,
               const QString& question = UndoLastQuestion());

// How many folders of the record's batch, cut off in the middle of a cycle, are still under a
// temporary name. Reads the disk: for a pass's worker.
int FoldersLeftUnderTemporaryNames(HeldRecord& record, FileSystem& fileSystem);

// The same for the window's last batch, when there is one.
void UndoLastBatch(DirectoryListModel& rows, FileSystem& fileSystem, RecordStore& records,
                   MessageBoxes& messageBoxes, PassRunner& passes);
