#pragma once

#include <QString>

class FileSystem;

// True exactly when a folder (or a symbolic link to one) exists at the path as given.
// False for a missing path, a file, and a path that cannot be resolved. Never throws,
// shows nothing, caches nothing and leaves the path as it is.
bool FolderExists(FileSystem& fileSystem, const QString& path);
