#pragma once

#include <QString>

class DirectoryListModel;
class FileSystem;
class MessageBoxes;

// Renames one directory and returns its verdict; success is true only after a rename.
// Never replaces anything at the new path, never moves a folder out of its parent and lets no
// error out.
QString RenameDirectory(FileSystem& fileSystem, const QString& oldPath, const QString& newPath,
                        bool& success);

// The confirm command: asks, renames every row's directory to its proposed name in list
// order, writes each verdict into its row and reports that the batch is done.
void ConfirmBatchRename(DirectoryListModel& rows, FileSystem& fileSystem,
                        MessageBoxes& messageBoxes);
