#pragma once

#include "rows/Verdict.h"

#include <optional>

class DirectoryListModel;
class FileSystem;
class FolderRenamer;
class MessageBoxes;
class PassRunner;
class RecordStore;
struct DirectoryRow;
struct ListedFolder;

// Asked when a batch's (or an undo's) record cannot be begun.
QString RecordMissingQuestion();

// Renames the listed folder, exactly that one, within its parent, replacing nothing; the
// new name is checked first. What went wrong, or nothing.
std::optional<FileSystemError> RenameListedFolder(FileSystem& fileSystem, FolderRenamer& renamer,
                                                  const ListedFolder& folder,
                                                  const QString& newName);

// Renames one listed directory to its row's proposed name and returns the verdict. Renames
// nothing but the folder that was listed, never replaces anything, never moves a folder out of
// its parent and lets no error out.
Verdict 目录重命名(FileSystem& fileSystem, FolderRenamer& renamer, const DirectoryRow& row);
// The same to another name than the row's proposal (a planned batch's temporary name).
Verdict 目录重命名(FileSystem& fileSystem, FolderRenamer& renamer, const DirectoryRow& row,
                   const QString& newName);

// The confirm command: asks, renames every previewed row's directory to its proposed name in
// list order, writes each verdict into its row and reports that the batch is done (or how far
// a cancelled one got). Rows below a renamed folder follow it to its new path. The record
// takes each rename before it happens, for the undo; when it cannot be written, the user
// decides whether to go on without undo.
void ConfirmBatchRename(DirectoryListModel& rows, FileSystem& fileSystem,
                        MessageBoxes& messageBoxes, RecordStore& records, PassRunner& passes);
