#pragma once

#include <QHashFunctions>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "common/NameList.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Which object on which volume a directory entry is: it survives renames and moves, and a
// different folder put in its place has a different one.
struct FileId
{
    quint64 volume = 0;
    quint64 object = 0;
    quint64 birth = 0; // when the object was made, where the file system says; 0: unknown

    // The same object; a birth unknown on either side (an older record, a file system that
    // keeps none) is not held against it.
    bool operator==(const FileId& other) const
    {
        return volume == other.volume && object == other.object &&
               (birth == other.birth || birth == 0 || other.birth == 0);
    }
};

// By volume and object alone, as equal identities may differ in a birth one side lacks.
// File systems number the folders they make one after another: consecutive objects fall into
// neighbouring buckets, so that a map of many folders is walked rather than jumped through
// (the addition of 100,000 folders takes some 10 ms less). The higher bits are folded into the
// lower ones, so that objects numbered a power of two apart still spread.
inline size_t qHash(const FileId& id, size_t seed = 0) noexcept
{
    const quint64 object = id.object ^ (id.object >> 17) ^ (id.object >> 31);
    return size_t(object ^ (id.volume * 0x9E3779B97F4A7C15u)) ^ seed;
}

// Why an operation failed, in terms the program words for the user.
struct FileSystemError
{
    enum class Kind : quint8 {
        Other,
        SourceMissing,
        PermissionDenied,
        ReadOnly,
        NameTooLong,
        Busy,
        CrossDevice,
        IntoOwnSubfolder,
        InvalidName,
        NotADirectory,
        IsADirectory,
        NoSpace,
        QuotaExceeded,
        TargetExists,
        TooManyLinks,
        LinkLoop,
        OutOfMemory,
        TooManyOpenFiles,
        InputOutput,
        TimedOut,
        StaleHandle,
        NotConnected,
        HostDown,
        TryAgain,
        Unsupported,
        TooLarge,
        InternalFault,
        FileSystemDamaged, // the file system needs checking (fsck, chkdsk)
        NoMedium,          // no disc or card in the drive
        KeyMissing,        // an encrypted folder whose key is not loaded
        NetworkProtocol,
        RemoteInputOutput,
        // The program's own findings rather than the system's.
        MovedOrReplaced,     // the listed folder or its parent is no longer the one listed
        NumbersNotKept,      // as MovedOrReplaced, on a file system that may renumber its folders
        ChangedDuringRename, // another program swapped a folder in while it was renamed
        TargetIsFolder,      // a folder (or a link to one) has the new name
        TargetIsSameFolder,  // the new name names the folder itself (letter case aside)
        NoSafeRename,        // the file system offers no way to rename without replacing
        PlaceholderLeft,     // as NoSafeRename, and the program's placeholder could not be removed
        // Renamed, but another program made a folder of the new name at that moment, which
        // the rename may have replaced (a file system without a no-replace rename).
        MayHaveReplacedFolder,
    };
    FileSystemError() = default;
    FileSystemError(Kind errorKind, QString text) : systemText(std::move(text)), kind(errorKind) {}

    // The text first: a verdict keeps its outcome in the room after the kind.
    QString systemText; // for Other: the system's own wording, or its name for the error
    Kind kind = Kind::Other;

    bool operator==(const FileSystemError&) const = default;
};

// What a lookup of a folder by its full path reports.
struct FolderInfo
{
    QString name;   // the last component of the path; empty for a root
    QString parent; // the parent's full path; a null QString for a root, which has none
    FileId id;      // of the entry itself: a listed link stands for itself
    FileId parentId;
};

// A folder's lookup: its facts, or why there are none.
struct FolderLookup
{
    std::optional<FolderInfo> folder;
    FileSystemError error; // when folder is empty
};

// A listed folder, as the rename needs it.
struct ListedFolder
{
    const QString& parent;
    FileId parentId;
    const QString& name;
    FileId id;
};

// Renames listed folders one after another, sharing what consecutive renames in one parent
// can share. Lives for one batch.
class FolderRenamer
{
public:
    virtual ~FolderRenamer() = default;

    // Renames the folder within its parent, after checking that the parent and the entry are
    // still the listed ones. Never replaces anything and never moves the folder elsewhere.
    // Nothing on success.
    virtual std::optional<FileSystemError> rename(const ListedFolder& folder,
                                                  const QString& newName) = 0;
};

// Looks folders up by their full paths one after another, sharing what consecutive lookups in
// one parent can share. Lives for one pass.
class FolderFinder
{
public:
    virtual ~FolderFinder() = default;

    // A link to a folder counts as a folder.
    virtual FolderLookup lookUp(const QString& path) = 0;
};

// What has a name within a folder.
enum class NameHolder : quint8 {
    Nothing,
    Folder, // or a link to one
    Other,  // a file, a link to no folder, anything else
};

// Tells what holds names, for many names in a few parents, sharing what consecutive questions
// about one parent can share. Lives for one pass.
class FolderProbe
{
public:
    virtual ~FolderProbe() = default;

    // The next `questions` questions are about this parent: a probe may read the parent whole
    // once rather than ask for each name. Only a hint.
    virtual void expect(const QString& parent, int questions) = 0;
    // What holds the name within the parent; Nothing also when the parent cannot be reached.
    virtual NameHolder holderOf(const QString& parent, const QString& name) = 0;
    // Whether the parent's file system matches names without regard to letter case.
    virtual bool ignoresCase(const QString& parent) = 0;
};

// A mounted volume that the user can browse: what a "drive" is on this platform.
struct Volume
{
    QString rootPath;
    QString displayName;
};

enum class FolderTime { Modified, Created };

// Every file-system operation the program makes. Paths are full paths, used as given, of any
// length.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // True for a folder or a link to one; false for anything else or an unresolvable path.
    virtual bool folderExists(const QString& path) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // When the folder's contents last changed, or when it was made, in milliseconds since 1970
    // (UTC); nothing when it cannot be read or the file system keeps no such time.
    virtual std::optional<qint64> timeOf(const QString& path, FolderTime which) = 0;

    virtual std::unique_ptr<FolderFinder> folderFinder() = 0;

    // The names of the folder's immediate, visible subfolders (links to folders included),
    // unsorted, handed to take some thousands at a time as they are read; false when the
    // folder cannot be read.
    virtual bool readSubfolderNames(const QString& folder,
                                    const std::function<void(NameList)>& take) = 0;
    // The same names all at once; nothing when the folder cannot be read.
    std::optional<QStringList> subfolderNames(const QString& folder)
    {
        NameList names;
        if (!readSubfolderNames(folder, [&](NameList some) { names.append(std::move(some)); }))
            return std::nullopt;
        return names.toStringList();
    }
    // How many names readSubfolderNames() hands over at a time.
    static constexpr qsizetype subfolderNamesAtATime = 16384;

    // Why no folder can have the name, or nothing when one can.
    virtual std::optional<FileSystemError> checkFolderName(const QString& name) = 0;

    virtual std::unique_ptr<FolderProbe> folderProbe() = 0;
    virtual std::unique_ptr<FolderRenamer> folderRenamer() = 0;

    virtual QList<Volume> volumes() = 0;
    // The root of the listed volume holding the path, or an empty string.
    virtual QString volumeRootOf(const QString& path) = 0;
    virtual QString currentDirectory() = 0;
    // The folders the running program needs (its own, its records'): no batch may rename them
    // or any folder above them.
    virtual QStringList programFolders() = 0;
};

// The identities of the program's folders and of every folder above them.
QSet<FileId> ProgramFolderIds(FileSystem& fileSystem);
