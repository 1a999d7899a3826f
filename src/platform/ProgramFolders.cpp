#include "FileSystem.h"
#include "PathJoin.h"

QSet<FileId> ProgramFolderIds(FileSystem& fileSystem)
{
    QSet<FileId> ids;
    const std::unique_ptr<FolderFinder> finder = fileSystem.folderFinder();
    for (QString folder : fileSystem.programFolders()) {
        // Up to the root: renaming any folder above would pull the program's from under it.
        while (!folder.isEmpty()) {
            if (const FolderLookup found = finder->lookUp(folder); found.folder)
                ids.insert(found.folder->id);
            const QString parent = SplitPath(folder).first;
            if (parent == folder)
                break;
            folder = parent;
        }
    }
    return ids;
}
