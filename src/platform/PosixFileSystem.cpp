#include "PosixFileSystem.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QStorageInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A QString that holds NUL would be cut short at it by the C calls: it names nothing.
std::optional<QByteArray> nativePath(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return std::nullopt;
    // Qt names files in UTF-8 on this platform (QFile::encodeName); toUtf8 is its fast path.
    return path.toUtf8();
}

bool statPath(const QString& path, struct stat& info, bool followLinks)
{
    const auto native = nativePath(path);
    if (!native)
        return false;
    const int result =
        followLinks ? ::stat(native->constData(), &info) : ::lstat(native->constData(), &info);
    return result == 0;
}

} // namespace

bool PosixFileSystem::folderExists(const QString& path)
{
    struct stat info = {};
    return statPath(path, info, true) && S_ISDIR(info.st_mode);
}

bool PosixFileSystem::fileExists(const QString& path)
{
    struct stat info = {};
    return statPath(path, info, true) && S_ISREG(info.st_mode);
}

std::optional<FolderInfo> PosixFileSystem::lookupFolder(const QString& path)
{
    if (!folderExists(path))
        return std::nullopt;

    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(u'/'))
        trimmed.chop(1);
    const qsizetype slash = trimmed.lastIndexOf(u'/');
    if (slash < 0)
        return FolderInfo{trimmed, QString()};
    const QString name = trimmed.mid(slash + 1);
    if (name.isEmpty())
        return FolderInfo{QString(u""_s), QString()}; // the root
    QString parent = trimmed.left(slash);
    while (parent.endsWith(u'/'))
        parent.chop(1);
    if (parent.isEmpty())
        parent = u"/"_s;
    return FolderInfo{name, parent};
}

std::optional<QStringList> PosixFileSystem::subfolderNames(const QString& folder)
{
    const auto native = nativePath(folder);
    if (!native || !folderExists(folder) || ::access(native->constData(), R_OK | X_OK) != 0)
        return std::nullopt;
    QStringList names;
    // Hidden folders stay out, as in the desktop's file manager; links to folders are listed.
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    return names;
}

bool PosixFileSystem::isSameEntry(const QString& first, const QString& second)
{
    struct stat a = {};
    struct stat b = {};
    return statPath(first, a, false) && statPath(second, b, false) && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

std::optional<FileSystemError> PosixFileSystem::renameNoReplace(const QString& from,
                                                                const QString& to)
{
    const auto nativeFrom = nativePath(from);
    const auto nativeTo = nativePath(to);
    if (!nativeFrom || !nativeTo)
        return FileSystemError{FileSystemError::Kind::InvalidName, QString()};
    if (::renameat2(AT_FDCWD, nativeFrom->constData(), AT_FDCWD, nativeTo->constData(),
                    RENAME_NOREPLACE) == 0)
        return std::nullopt;
    const int error = errno;
    if (error == EINVAL || error == ENOSYS || error == EOPNOTSUPP) {
        // EINVAL also means "into its own subfolder"; the fallback reports that again itself.
        return renameByClaimingTarget(*nativeFrom, *nativeTo);
    }
    return errorFromErrno(error);
}

std::optional<FileSystemError> PosixFileSystem::renameByClaimingTarget(const QByteArray& from,
                                                                       const QByteArray& to)
{
    struct stat info = {};
    if (::lstat(from.constData(), &info) != 0)
        return errorFromErrno(errno);

    if (S_ISDIR(info.st_mode)) {
        // mkdir fails if anything at all is there; afterwards the target is our own empty
        // folder, which rename may replace.
        if (::mkdir(to.constData(), 0700) != 0)
            return errorFromErrno(errno);
        if (::rename(from.constData(), to.constData()) != 0) {
            const int error = errno;
            ::rmdir(to.constData());
            return errorFromErrno(error);
        }
        return std::nullopt;
    }

    // A link (or anything else that is not a folder): link() never replaces either.
    if (::link(from.constData(), to.constData()) != 0)
        return errorFromErrno(errno);
    if (::unlink(from.constData()) != 0) {
        const int error = errno;
        ::unlink(to.constData());
        return errorFromErrno(error);
    }
    return std::nullopt;
}

FileSystemError PosixFileSystem::errorFromErrno(int error)
{
    using Kind = FileSystemError::Kind;
    Kind kind = Kind::Other;
    switch (error) {
    case ENOENT:
        kind = Kind::SourceMissing;
        break;
    case EACCES:
    case EPERM:
        kind = Kind::PermissionDenied;
        break;
    case EROFS:
        kind = Kind::ReadOnly;
        break;
    case ENAMETOOLONG:
        kind = Kind::NameTooLong;
        break;
    case EBUSY:
    case ETXTBSY:
        kind = Kind::Busy;
        break;
    case EXDEV:
        kind = Kind::CrossDevice;
        break;
    case EINVAL:
        kind = Kind::IntoOwnSubfolder;
        break;
    case EILSEQ:
        kind = Kind::InvalidName;
        break;
    case ENOTDIR:
        kind = Kind::NotADirectory;
        break;
    case ENOSPC:
    case EDQUOT:
        kind = Kind::NoSpace;
        break;
    case EEXIST:
    case ENOTEMPTY:
        kind = Kind::TargetExists;
        break;
    default:
        break;
    }
    return FileSystemError{kind, QString::fromLocal8Bit(::strerror(error))};
}

QList<Volume> PosixFileSystem::volumes()
{
    // Real file systems only: no kernel or memory file systems, no second view of a
    // device that a bind mount shows again.
    static const QSet<QByteArray> pseudoTypes = {
        "proc",       "sysfs",    "devtmpfs", "devpts",     "cgroup",      "cgroup2",
        "securityfs", "debugfs",  "tracefs",  "pstore",     "bpf",         "mqueue",
        "hugetlbfs",  "configfs", "fusectl",  "autofs",     "binfmt_misc", "efivarfs",
        "ramfs",      "squashfs", "nsfs",     "rpc_pipefs", "overlay"};
    static const QStringList hiddenPlaces = {u"/proc"_s, u"/sys"_s,  u"/dev"_s,
                                             u"/run"_s,  u"/snap"_s, u"/boot/efi"_s};

    QList<Volume> result;
    result.append(Volume{u"/"_s, u"/"_s});
    QSet<QByteArray> devicesSeen;
    devicesSeen.insert(QStorageInfo::root().device());

    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const QString root = storage.rootPath();
        if (root == u"/"_s || !storage.isValid() || pseudoTypes.contains(storage.fileSystemType()))
            continue;
        const bool removableUnderRun = root.startsWith(u"/run/media/"_s);
        const bool hidden =
            std::any_of(hiddenPlaces.begin(), hiddenPlaces.end(), [&](const QString& place) {
                return root == place || root.startsWith(place + u'/');
            });
        if (hidden && !removableUnderRun)
            continue;
        // Only a device file names one device; "tmpfs" and the like name every such mount.
        const QByteArray device = storage.device();
        if (device.startsWith('/')) {
            if (devicesSeen.contains(device))
                continue;
            devicesSeen.insert(device);
        }
        const QString label = storage.displayName();
        result.append(Volume{root, label == root ? root : root + u" ["_s + label + u']'});
    }
    return result;
}

QString PosixFileSystem::volumeRootOf(const QString& path)
{
    // The listed volume whose root is the longest leading part of the path.
    const QStorageInfo storage(path);
    if (!storage.isValid())
        return {};
    const QString mountRoot = storage.rootPath();
    QString best;
    for (const Volume& volume : volumes()) {
        const QString& root = volume.rootPath;
        const bool holds = root == u"/"_s || mountRoot == root || mountRoot.startsWith(root + u'/');
        if (holds && root.size() > best.size())
            best = root;
    }
    return best;
}

QString PosixFileSystem::currentDirectory()
{
    return QDir::currentPath();
}
