#pragma once

#include "FileSystem.h"

#include <QByteArray>

// The local file system through POSIX calls. Paths are encoded as the platform encodes file
// names; a path that holds a NUL character names nothing.
class PosixFileSystem : public FileSystem
{
public:
    bool folderExists(const QString& path) override;
    bool fileExists(const QString& path) override;
    std::optional<FolderInfo> lookupFolder(const QString& path) override;
    std::optional<QStringList> subfolderNames(const QString& folder) override;
    bool isSameEntry(const QString& first, const QString& second) override;
    std::optional<FileSystemError> renameNoReplace(const QString& from, const QString& to) override;
    QList<Volume> volumes() override;
    QString volumeRootOf(const QString& path) override;
    QString currentDirectory() override;

    // For file systems without an atomic no-replace rename: claims the target first, so that
    // nothing of anyone else's can be replaced. Public so that it can be tested everywhere.
    static std::optional<FileSystemError> renameByClaimingTarget(const QByteArray& from,
                                                                 const QByteArray& to);

    static FileSystemError errorFromErrno(int error);
};
