#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a lookup of a folder by its full path reports.
struct FolderInfo
{
    QString name;   // the last component of the path; empty for a root
    QString parent; // the parent's full path; a null QString for a root, which has none
};

// Why a rename failed, in terms the program words for the user.
struct FileSystemError
{
    enum class Kind {
        SourceMissing,
        PermissionDenied,
        ReadOnly,
        NameTooLong,
        Busy,
        CrossDevice,
        IntoOwnSubfolder,
        InvalidName,
        NotADirectory,
        NoSpace,
        TargetExists,
        Other,
    };
    Kind kind = Kind::Other;
    QString systemText; // the system's own wording, in the user's locale
};

// A mounted volume that the user can browse: what a "drive" is on this platform.
struct Volume
{
    QString rootPath;
    QString displayName;
};

// Every file-system operation the program makes. Paths are full paths, used as given.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // True for a folder or a link to one; false for anything else or an unresolvable path.
    virtual bool folderExists(const QString& path) = 0;
    virtual bool fileExists(const QString& path) = 0;

    // The folder at the path (a link to a folder counts, and stands for the link itself),
    // or nothing when there is none.
    virtual std::optional<FolderInfo> lookupFolder(const QString& path) = 0;

    // The names of the folder's immediate, visible subfolders (links to folders included),
    // unsorted; nothing when the folder cannot be read.
    virtual std::optional<QStringList> subfolderNames(const QString& folder) = 0;

    // True when both paths name the same directory entry (same device and inode).
    virtual bool isSameEntry(const QString& first, const QString& second) = 0;

    // Renames without ever replacing anything at the target. Nothing on success.
    virtual std::optional<FileSystemError> renameNoReplace(const QString& from,
                                                           const QString& to) = 0;

    virtual QList<Volume> volumes() = 0;
    // The root of the listed volume holding the path, or an empty string.
    virtual QString volumeRootOf(const QString& path) = 0;
    virtual QString currentDirectory() = 0;
};
