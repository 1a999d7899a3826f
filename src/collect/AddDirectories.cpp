#include "AddDirectories.h"

#include "DirectoryListing.h"
#include "mainwindow/DirectoryListModel.h"
#include "platform/FileSystem.h"

#include <vector>

int AddDirectories(DirectoryListModel& rows, FileSystem& fileSystem, const QStringList& paths)
{
    std::vector<DirectoryRow> batch;
    batch.reserve(size_t(paths.size()));
    QString lastParent; // rows of one parent share its text
    for (const QString& path : paths) {
        // A listed path would be refused anyway: spare it the lookup.
        if (rows.containsKey(path))
            continue;
        std::optional<FolderInfo> folder = fileSystem.lookupFolder(path);
        if (!folder)
            continue;
        if (!folder->parent.isNull()) {
            if (folder->parent == lastParent)
                folder->parent = lastParent;
            else
                lastParent = folder->parent;
        }
        batch.push_back(DirectoryRow{folder->name, {}, {}, path, folder->parent});
    }
    return rows.appendAll(std::move(batch));
}

QStringList PathsToAdd(const DirectoryListing& listing, AddMode mode)
{
    QStringList paths;
    if (mode != AddMode::Subdirectories)
        paths.append(listing.path());
    if (mode != AddMode::SelectedItem) {
        paths.reserve(paths.size() + listing.listCount());
        for (int i = 0; i < listing.listCount(); ++i)
            paths.append(listing.list(i));
    }
    return paths;
}
