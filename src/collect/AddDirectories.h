#pragma once

#include "platform/FileSystem.h"
#include "platform/PassRunner.h"

#include <QMap>
#include <QStringList>

#include <functional>

class DirectoryListModel;
class DirectoryListing;

// What the add button appends, by the option that is on.
enum class AddMode {
    SelectedItem,   // the open directory
    Subdirectories, // its immediate subdirectories
    SelectedItemAndSubdirectories,
};

// What an addition did: rows appended, and folders that could not be added, counted by
// reason (in the user's words).
struct AdditionReport
{
    int appended = 0;
    QMap<QString, int> failures;
    QList<std::pair<QString, QString>> skipped; // each path left out, with its reason
    PassEnd end = PassEnd::Completed;

    int failed() const;
    // One message for all the folders left out, counted by reason; empty when there were none.
    QString failureMessage() const;
    // One message that names the paths left out (the first of them, when there are many).
    QString skippedMessage() const;
};

// Appends one row per directory in order, each looked up once in the file system, with its
// identity. A path already in the list is skipped without a word; one that cannot be looked up
// is counted in the report. A cancelled addition keeps the rows it appended.
AdditionReport AddDirectories(DirectoryListModel& rows, FileSystem& fileSystem,
                              const QStringList& paths, PassRunner& passes);
// The same for what the add dialog's options take from its listing.
AdditionReport AddListedDirectories(DirectoryListModel& rows, FileSystem& fileSystem,
                                    const DirectoryListing& listing, AddMode mode,
                                    PassRunner& passes);
// The same for the immediate subdirectories of each folder, as one addition; a folder that
// cannot be read is named in the report.
AdditionReport AddSubdirectories(DirectoryListModel& rows, FileSystem& fileSystem,
                                 const QStringList& folders, PassRunner& passes);

// Why a lookup failed, in a few words ("不存在", "不是目录", ...).
QString LookupFailureReason(const FileSystemError& error);

// The paths the mode takes from the listing, in the order they are appended, and how many.
QStringList PathsToAdd(const DirectoryListing& listing, AddMode mode);
int PathsToAddCount(const DirectoryListing& listing, AddMode mode);
