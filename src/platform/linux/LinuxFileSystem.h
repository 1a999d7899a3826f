#pragma once

#include "platform/FileSystem.h"

#include <functional>

#include <QByteArray>

struct stat;

// The local file system through Linux's calls (POSIX, O_PATH, renameat2, the mount table).
// Paths are encoded as the platform encodes file names; a path that holds a NUL character
// names nothing. Paths longer than PATH_MAX are reached through descriptors opened part by
// part.
class LinuxFileSystem : public FileSystem
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

    // For file systems without an atomic no-replace rename, within one open folder: claims the
    // target first, so that nothing of anyone else's can be replaced, and checks by identity
    // that the placeholder is still its own before it renames onto it or removes it.
    // `folder` is the entry's identity; `meanwhile` stands for another program acting right
    // after the claim. Public so that it can be tested everywhere.
    static std::optional<FileSystemError>
    renameByClaimingTarget(int directory, const QByteArray& from, const QByteArray& to,
                           bool isFolder, FileId folder,
                           const std::function<void()>& meanwhile = {});

    static FileSystemError errorFromErrno(int error);
};

// The pure decisions behind the system calls.
FileSystemError::Kind ErrorKindFromErrno(int error);
// True when renameat2() failed only because the file system lacks RENAME_NOREPLACE. Within
// one parent, EINVAL cannot mean a move into the folder's own subfolder.
bool RenameNeedsFallback(int error);
// Whether a file system of that type (statfs' f_type) matches names without regard to case.
bool NamesIgnoreCase(long fileSystemType);
// Whether its type does not say how it matches names (FUSE): the folder itself tells.
bool CaseRuleUntold(long fileSystemType);
// Whether a file system of that type gives a folder the same number for its whole life. FAT
// and exFAT have none to give, FUSE file systems and SMB clients may make them up per mount
// or per lookup.
bool KeepsFolderNumbers(long fileSystemType);
std::optional<FileSystemError::Kind> LinuxFolderNameProblem(QStringView name);

// One line of the mount table.
struct MountEntry
{
    QString rootPath;
    QByteArray device;
    QByteArray fileSystemType;
    QString label;
};
// The volumes a user can browse: the root first, then the mounts in table order.
QList<Volume> VolumesFromMounts(const QList<MountEntry>& mounts, const QByteArray& rootDevice);
// The root of the listed volume that holds a path on the mount at mountRoot, or "".
QString VolumeRootHolding(const QString& mountRoot, const QList<Volume>& volumes);
