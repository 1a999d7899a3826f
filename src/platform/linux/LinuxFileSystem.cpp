#include "LinuxFileSystem.h"

#include "common/NameBytes.h"
#include "platform/FileSync.h"
#include "platform/PathJoin.h"
#include "platform/core/QtRecordFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring> // strerrorname_np
#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LinuxFileSystem)
};

constexpr int folderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

// A file descriptor that closes itself.
class Descriptor
{
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool isOpen() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd = -1;
};

// A QString that holds NUL would be cut short at it by the C calls: it names nothing.
std::optional<QByteArray> nativePath(QStringView path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return std::nullopt;
    // The exact bytes of a name that is not UTF-8 come back too.
    return BytesFromName(path);
}

// Stats the entry (flags as for fstatat, or AT_EMPTY_PATH for the descriptor itself) and gives
// its identity: device and inode, and its birth time where the file system keeps one, since
// a folder deleted and made again may get the same inode number (on ext4, as a rule).
bool statEntry(int directory, const char* name, int flags, struct stat& info, FileId& id)
{
    struct statx extended = {};
    if (::statx(directory, name, flags | AT_STATX_SYNC_AS_STAT,
                STATX_TYPE | STATX_MODE | STATX_INO | STATX_BTIME, &extended) != 0)
        return false;
    info.st_mode = extended.stx_mode;
    info.st_dev = makedev(extended.stx_dev_major, extended.stx_dev_minor);
    info.st_ino = extended.stx_ino;
    const quint64 birth = (extended.stx_mask & STATX_BTIME)
                              ? quint64(extended.stx_btime.tv_sec) * 1000000000u +
                                    extended.stx_btime.tv_nsec + 1 // never 0, which is unknown
                              : 0;
    id = FileId{quint64(info.st_dev), quint64(info.st_ino), birth};
    return true;
}

// A path as a folder to start from and what is left below it, shorter than PATH_MAX.
struct Anchored
{
    Descriptor start; // closed: the working directory, or the root for an absolute rest
    QByteArray rest;

    int startFd() const { return start.isOpen() ? start.get() : AT_FDCWD; }
};

std::optional<Anchored> anchor(const QByteArray& path)
{
    if (path.size() < PATH_MAX)
        return Anchored{Descriptor(), path};
    Anchored anchored;
    qsizetype from = 0;
    while (path.size() - from >= PATH_MAX) {
        const qsizetype cut = path.lastIndexOf('/', from + PATH_MAX - 1);
        if (cut <= from) {
            errno = ENAMETOOLONG; // one component longer than any file system allows
            return std::nullopt;
        }
        const QByteArray part = path.mid(from, cut - from);
        const int fd = ::openat(anchored.startFd(), part.constData(), folderFlags);
        if (fd < 0)
            return std::nullopt;
        anchored.start = Descriptor(fd);
        from = cut + 1;
        while (from < path.size() && path[from] == '/')
            ++from;
    }
    anchored.rest = from < path.size() ? path.mid(from) : QByteArray(".");
    return anchored;
}

bool statPath(QStringView path, struct stat& info, bool followLinks)
{
    const auto native = nativePath(path);
    if (!native)
        return false;
    const auto anchored = anchor(*native);
    return anchored && ::fstatat(anchored->startFd(), anchored->rest.constData(), &info,
                                 followLinks ? 0 : AT_SYMLINK_NOFOLLOW) == 0;
}

// Opens the folder at the path, links followed; flags as for open().
Descriptor openFolder(QStringView path, int flags)
{
    const auto native = nativePath(path);
    if (!native) {
        errno = EINVAL;
        return {};
    }
    auto anchored = anchor(*native);
    if (!anchored)
        return {};
    return Descriptor(::openat(anchored->startFd(), anchored->rest.constData(), flags));
}

// A folder whose descriptor is kept while consecutive requests name it by the same text.
class ParentCache
{
public:
    // The open parent and its identity, or the error of opening it.
    std::optional<int> open(QStringView path, FileSystemError& error)
    {
        if (m_folder.isOpen() && path == m_path)
            return m_folder.get();
        m_folder = openFolder(path, folderFlags);
        struct stat info = {};
        if (!m_folder.isOpen() || !statEntry(m_folder.get(), "", AT_EMPTY_PATH, info, m_id)) {
            error = LinuxFileSystem::errorFromErrno(errno);
            m_folder = Descriptor();
            return std::nullopt;
        }
        m_path = path.toString();
        return m_folder.get();
    }
    FileId id() const { return m_id; }
    // The open folder's path, one string shared by every row that names it.
    const QString& path() const { return m_path; }

    // Of the open folder's file system, asked once per volume.
    bool ignoresCase()
    {
        const auto known = m_ignoresCase.constFind(m_id.volume);
        if (known != m_ignoresCase.cend())
            return *known;
        struct statfs info = {};
        const bool ignores = ::fstatfs(m_folder.get(), &info) == 0 &&
                             (NamesIgnoreCase(info.f_type) ||
                              (CaseRuleUntold(info.f_type) && findsOtherCase(m_folder.get())));
        m_ignoresCase.insert(m_id.volume, ignores);
        return ignores;
    }

private:
    // Whether one of the folder's entries is found under another letter case that the folder
    // does not hold (FAT through FUSE).
    static bool findsOtherCase(int folder)
    {
        const int opened = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        DIR* listing = opened >= 0 ? ::fdopendir(opened) : nullptr;
        if (!listing) {
            if (opened >= 0)
                ::close(opened);
            return false;
        }
        QByteArray otherCase;
        QSet<QByteArray> names;
        while (const dirent* entry = ::readdir(listing)) {
            const QByteArray name(entry->d_name);
            names.insert(name);
            if (otherCase.isEmpty()) {
                const QByteArray upper = name.toUpper();
                otherCase = upper != name ? upper : name.toLower();
                if (otherCase == name)
                    otherCase.clear(); // no letters
            }
        }
        ::closedir(listing);
        struct stat info = {};
        return !otherCase.isEmpty() && !names.contains(otherCase) &&
               ::fstatat(folder, otherCase.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
    }

    QString m_path;
    Descriptor m_folder;
    FileId m_id;
    QHash<quint64, bool> m_ignoresCase;
};

// The entry's file handle (for most file systems its inode and generation), or nothing where
// the file system gives none.
QByteArray fileHandleOf(int directory, const char* name)
{
    alignas(file_handle) unsigned char storage[sizeof(file_handle) + MAX_HANDLE_SZ] = {};
    auto* handle = reinterpret_cast<file_handle*>(storage);
    handle->handle_bytes = MAX_HANDLE_SZ;
    int mountId = 0;
    if (::name_to_handle_at(directory, name, handle, &mountId, 0) != 0)
        return {};
    return QByteArray(reinterpret_cast<const char*>(storage + sizeof(file_handle)),
                      qsizetype(handle->handle_bytes));
}

// The changes to one folder's entries, from the watch's making on (inotify): whether anything
// but the program's own claim and rename touched the new name.
class TargetWatch
{
public:
    explicit TargetWatch(int directory) : m_inotify(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        const QByteArray path = "/proc/self/fd/" + QByteArray::number(directory);
        m_watching =
            m_inotify.get() >= 0 && ::inotify_add_watch(m_inotify.get(), path.constData(),
                                                        IN_CREATE | IN_DELETE | IN_MOVED_FROM |
                                                            IN_MOVED_TO | IN_ONLYDIR) >= 0;
    }

    // True when the new name saw only the claim (one creation) and then the rename that moved
    // `from` onto it; false when something else came between, or the watch could not tell.
    bool onlyOurs(const QByteArray& to, const QByteArray& from) const
    {
        if (!m_watching)
            return false;
        alignas(inotify_event) char buffer[64 * 1024];
        int creations = 0;
        std::optional<uint32_t> ourMove;
        for (;;) {
            const ssize_t size = ::read(m_inotify.get(), buffer, sizeof buffer);
            if (size <= 0)
                return false; // the rename's own events must be there
            for (ssize_t at = 0; at < size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += ssize_t(sizeof(inotify_event) + event->len);
                if (event->mask & IN_Q_OVERFLOW)
                    return false;
                const QByteArrayView name(event->len ? event->name : "");
                if (name == from && (event->mask & IN_MOVED_FROM)) {
                    ourMove = event->cookie;
                } else if (name == to) {
                    if (ourMove && (event->mask & IN_MOVED_TO) && event->cookie == *ourMove)
                        return creations == 1;
                    if (!(event->mask & IN_CREATE) || ++creations > 1)
                        return false;
                }
            }
        }
    }

private:
    Descriptor m_inotify;
    bool m_watching = false;
};

// What took the new name, once a rename found it taken.
FileSystemError takenTargetError(int directory, const QByteArray& to, FileId folder)
{
    using Kind = FileSystemError::Kind;
    struct stat info = {};
    FileId id;
    if (statEntry(directory, to.constData(), AT_SYMLINK_NOFOLLOW, info, id) && id == folder)
        return FileSystemError{Kind::TargetIsSameFolder, {}};
    if (::fstatat(directory, to.constData(), &info, 0) == 0 && S_ISDIR(info.st_mode))
        return FileSystemError{Kind::TargetIsFolder, {}};
    return LinuxFileSystem::errorFromErrno(EEXIST);
}

class LinuxFolderFinder : public FolderFinder
{
public:
    FolderLookup lookUp(const QString& path) override
    {
        FolderLookup result;
        if (path.isEmpty() || path.contains(QChar(u'\0'))) {
            result.error = FileSystemError{FileSystemError::Kind::InvalidName, {}};
            return result;
        }
        // Views, not copies: the parent is mostly the one open already.
        const auto [parent, name] = SplitPathView(path);
        struct stat info = {};
        FileId id;
        if (parent.isNull()) {
            if (!statEntry(AT_FDCWD, BytesFromName(path).constData(), AT_SYMLINK_NOFOLLOW, info,
                           id))
                result.error = LinuxFileSystem::errorFromErrno(errno);
            else
                result.folder = FolderInfo{QString(), QString(), id, {}};
            return result;
        }
        const std::optional<int> parentFd = m_parent.open(parent, result.error);
        if (!parentFd)
            return result;
        const QByteArray nativeName = BytesFromName(name);
        if (!statEntry(*parentFd, nativeName.constData(), AT_SYMLINK_NOFOLLOW, info, id)) {
            result.error = LinuxFileSystem::errorFromErrno(errno);
            return result;
        }
        // A link counts when it leads to a folder, and stands for itself.
        if (S_ISLNK(info.st_mode) && ::fstatat(*parentFd, nativeName.constData(), &info, 0) != 0) {
            result.error = LinuxFileSystem::errorFromErrno(errno);
            return result;
        }
        if (!S_ISDIR(info.st_mode)) {
            result.error = LinuxFileSystem::errorFromErrno(ENOTDIR);
            return result;
        }
        result.folder = FolderInfo{NameWithinPath(path, name), m_parent.path(), id, m_parent.id()};
        return result;
    }

private:
    ParentCache m_parent;
};

// The names in a folder as hashes, for telling at once that a name is not there.
class NameHashes
{
public:
    // Reads the folder, giving up past maxEntries; names folded when case does not count.
    static std::optional<NameHashes> read(int folder, size_t expected, size_t maxEntries,
                                          bool foldCase)
    {
        Descriptor readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        DIR* directory = readable.isOpen() ? ::fdopendir(readable.get()) : nullptr;
        if (!directory)
            return std::nullopt;
        readable.release(); // closedir closes it
        NameHashes names(foldCase);
        names.m_hashes.reserve(qsizetype(expected));
        while (const dirent* entry = ::readdir(directory)) {
            if (size_t(names.m_hashes.size()) >= maxEntries) {
                ::closedir(directory);
                return std::nullopt;
            }
            names.m_hashes.insert(names.hashOf(QByteArrayView(entry->d_name)));
        }
        ::closedir(directory);
        return names;
    }

    bool mayHold(QByteArrayView name) const { return m_hashes.contains(hashOf(name)); }

private:
    explicit NameHashes(bool foldCase) : m_foldCase(foldCase) {}

    size_t hashOf(QByteArrayView name) const
    {
        return m_foldCase ? qHash(NameFromBytes(name).toCaseFolded()) : qHash(name);
    }

    QSet<size_t> m_hashes;
    bool m_foldCase;
};

class LinuxFolderProbe : public FolderProbe
{
public:
    void expect(const QString& parent, int questions) override
    {
        // A name that is not there costs the kernel more than one that is; reading the folder
        // once pays off for many questions, unless the folder holds far more than is asked.
        constexpr int worthReading = 16;
        constexpr size_t entriesPerQuestion = 64;
        m_listing.reset();
        FileSystemError error;
        const std::optional<int> folder = m_parent.open(parent, error);
        if (questions < worthReading || !folder)
            return;
        m_listing =
            NameHashes::read(*folder, size_t(questions),
                             size_t(questions) * entriesPerQuestion + 1024, m_parent.ignoresCase());
        m_listingId = m_parent.id();
    }

    NameHolder holderOf(const QString& parent, const QString& name) override
    {
        FileSystemError error;
        const std::optional<int> folder = m_parent.open(parent, error);
        if (!folder || LinuxFolderNameProblem(name))
            return NameHolder::Nothing;
        const QByteArray nativeName = BytesFromName(name);
        if (m_listing && m_listingId == m_parent.id() && !m_listing->mayHold(nativeName))
            return NameHolder::Nothing;
        struct stat info = {};
        if (::fstatat(*folder, nativeName.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return NameHolder::Nothing;
        if (S_ISLNK(info.st_mode) && ::fstatat(*folder, nativeName.constData(), &info, 0) != 0)
            return NameHolder::Other;
        return S_ISDIR(info.st_mode) ? NameHolder::Folder : NameHolder::Other;
    }

    bool ignoresCase(const QString& parent) override
    {
        FileSystemError error;
        return m_parent.open(parent, error) && m_parent.ignoresCase();
    }

private:
    ParentCache m_parent;
    std::optional<NameHashes> m_listing;
    FileId m_listingId;
};

class LinuxFolderRenamer : public FolderRenamer
{
    // The check and the rename are two calls: another program may swap a folder in between.
    // So the entry that bears the new name afterwards must be the listed folder; one swapped
    // in gets its name back at once, never replacing anything.
    static std::optional<FileSystemError> confirmRenamed(int directory, const QByteArray& from,
                                                         const QByteArray& to, FileId folder)
    {
        struct stat info = {};
        FileId id;
        if (statEntry(directory, to.constData(), AT_SYMLINK_NOFOLLOW, info, id) && id == folder)
            return std::nullopt;
        ::renameat2(directory, to.constData(), directory, from.constData(), RENAME_NOREPLACE);
        return FileSystemError{FileSystemError::Kind::ChangedDuringRename, {}};
    }

    // What an identity that no longer matches means here: where the file system may renumber
    // its folders, the program cannot tell which happened.
    static FileSystemError notTheListedFolder(int parent)
    {
        struct statfs volume = {};
        const bool renumbers =
            ::fstatfs(parent, &volume) == 0 && !KeepsFolderNumbers(volume.f_type);
        return FileSystemError{renumbers ? FileSystemError::Kind::NumbersNotKept
                                         : FileSystemError::Kind::MovedOrReplaced,
                               {}};
    }

public:
    std::optional<FileSystemError> rename(const ListedFolder& folder,
                                          const QString& newName) override
    {
        using Kind = FileSystemError::Kind;
        const auto from = nativePath(folder.name);
        const auto to = nativePath(newName);
        if (!from || !to)
            return FileSystemError{Kind::InvalidName, {}};

        FileSystemError error;
        const std::optional<int> parent = m_parent.open(folder.parent, error);
        if (!parent) {
            const bool gone =
                error.kind == Kind::SourceMissing || error.kind == Kind::NotADirectory;
            return gone ? FileSystemError{Kind::MovedOrReplaced, {}} : error;
        }
        if (m_parent.id() != folder.parentId)
            return notTheListedFolder(*parent);
        struct stat info = {};
        FileId id;
        if (!statEntry(*parent, from->constData(), AT_SYMLINK_NOFOLLOW, info, id))
            return LinuxFileSystem::errorFromErrno(errno);
        // Made again under the same inode, or now a file: not the folder that was listed.
        if (id != folder.id || !(S_ISDIR(info.st_mode) || S_ISLNK(info.st_mode)))
            return notTheListedFolder(*parent);
        // Where case does not count, a case-only change is no change, whatever the file
        // system would make of it.
        if (folder.name.compare(newName, Qt::CaseInsensitive) == 0 && m_parent.ignoresCase())
            return FileSystemError{Kind::TargetIsSameFolder, {}};

        if (::renameat2(*parent, from->constData(), *parent, to->constData(), RENAME_NOREPLACE) ==
            0)
            return confirmRenamed(*parent, *from, *to, folder.id);
        const int renameError = errno;
        if (RenameNeedsFallback(renameError)) {
            const auto failure = LinuxFileSystem::renameByClaimingTarget(
                *parent, *from, *to, S_ISDIR(info.st_mode), folder.id);
            if (failure && failure->kind != Kind::MayHaveReplacedFolder)
                return failure;
            if (auto changed = confirmRenamed(*parent, *from, *to, folder.id))
                return changed;
            return failure;
        }
        if (renameError == EEXIST)
            return takenTargetError(*parent, *to, folder.id);
        return LinuxFileSystem::errorFromErrno(renameError);
    }

private:
    ParentCache m_parent;
};

} // namespace

bool LinuxFileSystem::folderExists(const QString& path)
{
    struct stat info = {};
    return statPath(path, info, true) && S_ISDIR(info.st_mode);
}

bool LinuxFileSystem::fileExists(const QString& path)
{
    struct stat info = {};
    return statPath(path, info, true) && S_ISREG(info.st_mode);
}

std::optional<qint64> LinuxFileSystem::timeOf(const QString& path, FolderTime which)
{
    const auto native = nativePath(path);
    const auto anchored = native ? anchor(*native) : std::nullopt;
    const unsigned wanted = which == FolderTime::Created ? STATX_BTIME : STATX_MTIME;
    struct statx info = {};
    if (!anchored ||
        ::statx(anchored->startFd(), anchored->rest.constData(), AT_STATX_SYNC_AS_STAT, wanted,
                &info) != 0 ||
        !(info.stx_mask & wanted))
        return std::nullopt;
    const struct statx_timestamp& time =
        which == FolderTime::Created ? info.stx_btime : info.stx_mtime;
    return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

std::unique_ptr<FolderFinder> LinuxFileSystem::folderFinder()
{
    return std::make_unique<LinuxFolderFinder>();
}

bool LinuxFileSystem::readSubfolderNames(const QString& folder,
                                         const std::function<void(NameList)>& take)
{
    Descriptor opened = openFolder(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (!opened.isOpen() || ::faccessat(opened.get(), ".", R_OK | X_OK, 0) != 0)
        return false;
    DIR* directory = ::fdopendir(opened.get());
    if (!directory)
        return false;
    opened.release(); // closedir closes it
    NameList names;
    while (const dirent* entry = ::readdir(directory)) {
        // Hidden folders stay out, as in the desktop's file manager (and so do . and ..).
        if (entry->d_name[0] == '.')
            continue;
        if (entry->d_type != DT_DIR) {
            struct stat info = {};
            if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
                continue;
            if (::fstatat(::dirfd(directory), entry->d_name, &info, 0) != 0 ||
                !S_ISDIR(info.st_mode))
                continue;
        }
        const QByteArrayView bytes(entry->d_name);
        if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
            names.append(QLatin1StringView(bytes));
        else
            names.append(QStringView(NameFromBytes(bytes)));
        if (names.size() == subfolderNamesAtATime)
            take(names.takeLeavingRoom());
    }
    ::closedir(directory);
    take(std::move(names));
    return true;
}

std::optional<FileSystemError> LinuxFileSystem::checkFolderName(const QString& name)
{
    if (const auto problem = LinuxFolderNameProblem(name))
        return FileSystemError{*problem, {}};
    return std::nullopt;
}

std::unique_ptr<FolderProbe> LinuxFileSystem::folderProbe()
{
    return std::make_unique<LinuxFolderProbe>();
}

std::unique_ptr<FolderRenamer> LinuxFileSystem::folderRenamer()
{
    return std::make_unique<LinuxFolderRenamer>();
}

std::optional<FileSystemError>
LinuxFileSystem::renameByClaimingTarget(int directory, const QByteArray& from, const QByteArray& to,
                                        bool isFolder, FileId folder,
                                        const std::function<void()>& meanwhile)
{
    using Kind = FileSystemError::Kind;
    if (isFolder) {
        // Watched from before the claim: what else happens to the new name shows.
        const TargetWatch watch(directory);
        // mkdir fails if anything at all is there; afterwards the target is our own empty
        // folder, which rename may replace.
        struct stat info = {};
        FileId placeholder;
        QByteArray placeholderHandle;
        if (::mkdirat(directory, to.constData(), 0700) != 0) {
            const int error = errno;
            return error == EEXIST ? takenTargetError(directory, to, folder)
                                   : errorFromErrno(error);
        }
        if (!statEntry(directory, to.constData(), AT_SYMLINK_NOFOLLOW, info, placeholder))
            return FileSystemError{Kind::PlaceholderLeft, {}};
        placeholderHandle = fileHandleOf(directory, to.constData());
        // Another program may have put its own folder where the placeholder was: never
        // replace that, never remove it.
        const auto isPlaceholder = [&](const QByteArray& name) {
            FileId now;
            // The file handle tells a folder made again in the same clock tick under the same
            // inode number (its generation differs), where the file system gives one.
            return statEntry(directory, name.constData(), AT_SYMLINK_NOFOLLOW, info, now) &&
                   S_ISDIR(info.st_mode) && now == placeholder &&
                   fileHandleOf(directory, name.constData()) == placeholderHandle;
        };
        const auto removePlaceholder = [&]() -> std::optional<FileSystemError> {
            if (!isPlaceholder(to))
                return FileSystemError{Kind::TargetIsFolder, {}}; // and it is not ours to remove
            if (::unlinkat(directory, to.constData(), AT_REMOVEDIR) != 0)
                return FileSystemError{Kind::PlaceholderLeft, {}};
            return std::nullopt;
        };
        if (!isPlaceholder(to))
            return FileSystemError{Kind::TargetIsFolder, {}};
        if (meanwhile)
            meanwhile();

        // Swapped with the placeholder, where the file system can: nothing is replaced, and
        // what took the placeholder's place meanwhile is swapped back.
        if (::renameat2(directory, from.constData(), directory, to.constData(), RENAME_EXCHANGE) ==
            0) {
            const bool swappedOurs = isPlaceholder(from);
            if (swappedOurs && ::unlinkat(directory, from.constData(), AT_REMOVEDIR) == 0)
                return std::nullopt;
            if (::renameat2(directory, from.constData(), directory, to.constData(),
                            RENAME_EXCHANGE) != 0)
                return FileSystemError{Kind::ChangedDuringRename, {}};
            return swappedOurs ? FileSystemError{Kind::PlaceholderLeft, {}}
                               : FileSystemError{Kind::TargetIsFolder, {}};
        }
        if (const int error = errno; !RenameNeedsFallback(error)) {
            if (const auto left = removePlaceholder())
                return left;
            return errorFromErrno(error);
        }

        if (::renameat(directory, from.constData(), directory, to.constData()) == 0) {
            // Between the check and the rename another program may have put a folder of its
            // own in the placeholder's place; the watch tells, where it sees that program.
            if (!watch.onlyOurs(to, from))
                return FileSystemError{Kind::MayHaveReplacedFolder, {}};
            return std::nullopt;
        }
        const int error = errno;
        if (const auto left = removePlaceholder())
            return left;
        if (error == EPERM || error == EACCES || error == EEXIST || error == ENOTEMPTY) {
            // A file system that refuses to rename onto a folder (fusefat) can never replace
            // one: the plain rename is safe there.
            if (::renameat(directory, from.constData(), directory, to.constData()) == 0)
                return std::nullopt;
            const int plainError = errno;
            return plainError == EEXIST || plainError == ENOTEMPTY
                       ? takenTargetError(directory, to, folder)
                       : errorFromErrno(plainError);
        }
        if (RenameNeedsFallback(error))
            return FileSystemError{Kind::NoSafeRename, {}};
        return errorFromErrno(error);
    }

    // A link (or anything else that is not a folder): link() never replaces either.
    if (::linkat(directory, from.constData(), directory, to.constData(), 0) != 0) {
        const int error = errno;
        return error == EEXIST ? takenTargetError(directory, to, folder) : errorFromErrno(error);
    }
    if (::unlinkat(directory, from.constData(), 0) != 0) {
        const int error = errno;
        ::unlinkat(directory, to.constData(), 0);
        return errorFromErrno(error);
    }
    return std::nullopt;
}

FileSystemError::Kind ErrorKindFromErrno(int error)
{
    using Kind = FileSystemError::Kind;
    switch (error) {
    case ENOENT:
        return Kind::SourceMissing;
    case EACCES:
    case EPERM:
        return Kind::PermissionDenied;
    case EROFS:
        return Kind::ReadOnly;
    case ENAMETOOLONG:
        return Kind::NameTooLong;
    case EBUSY:
    case ETXTBSY:
        return Kind::Busy;
    case EXDEV:
        return Kind::CrossDevice;
    case EINVAL:
        return Kind::IntoOwnSubfolder;
    case EILSEQ:
        return Kind::InvalidName;
    case ENOTDIR:
        return Kind::NotADirectory;
    case EISDIR:
        return Kind::IsADirectory;
    case ENOSPC:
        return Kind::NoSpace;
    case EDQUOT:
        return Kind::QuotaExceeded;
    case EEXIST:
    case ENOTEMPTY:
        return Kind::TargetExists;
    case EMLINK:
        return Kind::TooManyLinks;
    case ELOOP:
        return Kind::LinkLoop;
    case ENOMEM:
        return Kind::OutOfMemory;
    case EMFILE:
    case ENFILE:
        return Kind::TooManyOpenFiles;
    case EIO:
        return Kind::InputOutput;
    case ETIMEDOUT:
        return Kind::TimedOut;
    case ESTALE:
        return Kind::StaleHandle;
    case ENOTCONN:
    case ENODEV:
    case ENXIO:
        return Kind::NotConnected;
    case EHOSTDOWN:
    case EHOSTUNREACH:
        return Kind::HostDown;
    case EAGAIN:
    case EINTR:
        return Kind::TryAgain;
    case ENOSYS:
    case EOPNOTSUPP:
        return Kind::Unsupported;
    case EFBIG:
    case EOVERFLOW:
        return Kind::TooLarge;
    case EBADF:
    case EFAULT:
        return Kind::InternalFault;
    case EUCLEAN:
        return Kind::FileSystemDamaged;
    case ENOMEDIUM:
        return Kind::NoMedium;
    case ENOKEY:
        return Kind::KeyMissing;
    case EPROTO:
        return Kind::NetworkProtocol;
    case EREMOTEIO:
        return Kind::RemoteInputOutput;
    default:
        return Kind::Other;
    }
}

namespace {

// statfs' f_type of the file systems that differ from the rest in what follows.
enum FileSystemMagic : long {
    vfatMagic = 0x4d44, // vfat, msdos
    exfatMagic = 0x2011bab0,
    ntfsMagic = 0x5346544e,
    ntfs3Magic = 0x7366746e,
    fuseMagic = 0x65735546, // fuse, fuseblk
    cifsMagic = 0xff534d42,
    smb3Magic = 0xfe534d42,
    smbfsMagic = 0x517b,
};

} // namespace

bool NamesIgnoreCase(long fileSystemType)
{
    switch (fileSystemType) {
    case vfatMagic:
    case exfatMagic:
    case ntfsMagic:
    case ntfs3Magic:
    case cifsMagic:
    case smb3Magic:
    case smbfsMagic:
        return true;
    default:
        return false;
    }
}

bool CaseRuleUntold(long fileSystemType)
{
    return fileSystemType == fuseMagic;
}

bool KeepsFolderNumbers(long fileSystemType)
{
    switch (fileSystemType) {
    case vfatMagic:
    case exfatMagic:
    case fuseMagic:
    case cifsMagic:
    case smb3Magic:
    case smbfsMagic:
        return false;
    default:
        return true;
    }
}

bool RenameNeedsFallback(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

std::optional<FileSystemError::Kind> LinuxFolderNameProblem(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') ||
        name.contains(QChar(u'\0')))
        return FileSystemError::Kind::InvalidName;
    constexpr qsizetype maxBytes = 255;
    // Three UTF-8 bytes at most per UTF-16 unit: only long names need encoding.
    if (name.size() * 3 > maxBytes && BytesFromName(name).size() > maxBytes)
        return FileSystemError::Kind::NameTooLong;
    return std::nullopt;
}

FileSystemError LinuxFileSystem::errorFromErrno(int error)
{
    // Chinese words with the error's name, never the system's text in another language.
    const char* name = ::strerrorname_np(error);
    return FileSystemError{
        ErrorKindFromErrno(error),
        Texts::tr("系统错误（%1）").arg(name ? QString::fromLatin1(name) : QString::number(error))};
}
QList<Volume> VolumesFromMounts(const QList<MountEntry>& mounts, const QByteArray& rootDevice)
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
    devicesSeen.insert(rootDevice);

    for (const MountEntry& mount : mounts) {
        const QString& root = mount.rootPath;
        if (root == u"/"_s || pseudoTypes.contains(mount.fileSystemType))
            continue;
        const bool removableUnderRun = root.startsWith(u"/run/media/"_s);
        const bool hidden =
            std::any_of(hiddenPlaces.begin(), hiddenPlaces.end(), [&](const QString& place) {
                return root == place || root.startsWith(place + u'/');
            });
        if (hidden && !removableUnderRun)
            continue;
        // Only a device file names one device; "tmpfs" and the like name every such mount.
        if (mount.device.startsWith('/')) {
            if (devicesSeen.contains(mount.device))
                continue;
            devicesSeen.insert(mount.device);
        }
        const QString& label = mount.label;
        result.append(Volume{root, label == root ? root : root + u" ["_s + label + u']'});
    }
    return result;
}

QString VolumeRootHolding(const QString& mountRoot, const QList<Volume>& volumes)
{
    // The listed volume whose root is the longest leading part of the path.
    QString best;
    for (const Volume& volume : volumes) {
        const QString& root = volume.rootPath;
        const bool holds = root == u"/"_s || mountRoot == root || mountRoot.startsWith(root + u'/');
        if (holds && root.size() > best.size())
            best = root;
    }
    return best;
}

QList<Volume> LinuxFileSystem::volumes()
{
    QList<MountEntry> mounts;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (storage.isValid()) {
            mounts.append(MountEntry{storage.rootPath(), storage.device(), storage.fileSystemType(),
                                     storage.displayName()});
        }
    }
    return VolumesFromMounts(mounts, QStorageInfo::root().device());
}

QString LinuxFileSystem::volumeRootOf(const QString& path)
{
    const QStorageInfo storage(path);
    return storage.isValid() ? VolumeRootHolding(storage.rootPath(), volumes()) : QString();
}

QString LinuxFileSystem::currentDirectory()
{
    return QDir::currentPath();
}

QStringList LinuxFileSystem::programFolders()
{
    return {QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
            QDir::toNativeSeparators(QtRecordFiles::defaultFolder())};
}

bool SyncToDisk(QFileDevice& file)
{
    return file.isOpen() && ::fdatasync(file.handle()) == 0;
}
