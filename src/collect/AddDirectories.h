#pragma once

#include <QStringList>

class DirectoryListModel;
class FileSystem;
class DirectoryListing;

// What the add button appends, by the option that is on.
enum class AddMode {
    SelectedItem,   // the open directory
    Subdirectories, // its immediate subdirectories
    SelectedItemAndSubdirectories,
};

// Appends one row per directory in order, each looked up once in the file system. A path
// already in the list, or one that can no longer be looked up, is skipped without a word.
// Returns the number of rows appended.
int AddDirectories(DirectoryListModel& rows, FileSystem& fileSystem, const QStringList& paths);

// The paths the mode takes from the listing, in the order they are appended.
QStringList PathsToAdd(const DirectoryListing& listing, AddMode mode);
