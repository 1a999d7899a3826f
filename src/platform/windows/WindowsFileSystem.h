#pragma once

#include "platform/FileSystem.h"

// The local and network file systems through the wide-character Win32 API. Paths use "\" and
// may be of any length: long ones are handed to Windows in their "\\?\" form.
class WindowsFileSystem : public FileSystem
{
public:
    bool folderExists(const QString& path) override;
    bool fileExists(const QString& path) override;
    std::optional<qint64> timeOf(const QString& path, FolderTime which) override;
    std::unique_ptr<FolderFinder> folderFinder() override;
    bool readSubfolderNames(const QString& folder,
                            const std::function<void(NameList)>& take) override;
    std::optional<FileSystemError> checkFolderName(const QString& name) override;
    std::unique_ptr<FolderProbe> folderProbe() override;
    std::unique_ptr<FolderRenamer> folderRenamer() override;
    QList<Volume> volumes() override;
    QString volumeRootOf(const QString& path) override;
    QString currentDirectory() override;
    QStringList programFolders() override;

    // The error GetLastError() reported, in the program's terms.
    static FileSystemError errorFromLastError(quint32 error);
};

// The pure decisions behind the system calls.
FileSystemError::Kind ErrorKindFromWin32(quint32 error);
std::optional<FileSystemError::Kind> WindowsFolderNameProblem(QStringView name);
// The path as Windows takes it unchanged: "\\?\" before every full path, so that neither
// MAX_PATH nor the stripping of a trailing dot or space applies.
QString ExtendedLengthPath(const QString& path);
// "c: [System]" for a drive with a label, "z: [\\server\share]" for a network drive, "e:" for
// one that is not ready.
QString DriveDisplayName(const QString& root, const QString& label, const QString& remoteName);
