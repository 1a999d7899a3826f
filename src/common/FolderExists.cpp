#include "FolderExists.h"

#include "platform/FileSystem.h"

bool FolderExists(FileSystem& fileSystem, const QString& path)
{
    return fileSystem.folderExists(path);
}
