#include "WindowsFileSystem.h"

#include "platform/FileSync.h"
#include "platform/PathJoin.h"
#include "platform/core/QtRecordFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <windows.h>

#include <io.h>
#include <winnetwk.h>

#include <cstring>
#include <cwchar>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(WindowsFileSystem)
};

// A Win32 file handle that closes itself.
class FileHandle
{
public:
    explicit FileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    FileHandle(FileHandle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE))
    {}
    FileHandle& operator=(FileHandle&& other) noexcept
    {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (isOpen())
            ::CloseHandle(m_handle);
    }

    bool isOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// The path for the W functions; nothing for one that holds NUL, which would cut it short.
std::optional<std::wstring> nativePath(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return std::nullopt;
    return ExtendedLengthPath(path).toStdWString();
}

// The path with its 8.3 short names ("LONGNA~1", as a batch file's %~s1 gives them) in their
// long form: a row's name must be the folder's own. The path as given when it has none.
QString longPathOf(const QString& path)
{
    // The short form only where the system reads paths itself: wine, for one, resolves short
    // names there and nowhere else.
    const auto native = path.size() < MAX_PATH - 12 && !path.contains(QChar(u'\0'))
                            ? std::optional(path.toStdWString())
                            : nativePath(path);
    if (!path.contains(u'~') || !native)
        return path;
    std::wstring buffer(::GetLongPathNameW(native->c_str(), nullptr, 0), L'\0');
    const DWORD length = ::GetLongPathNameW(native->c_str(), buffer.data(), DWORD(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return path;
    buffer.resize(length);
    const QString longPath = QString::fromStdWString(buffer);
    // Without the long form's prefix where the path had none.
    const bool prefixAdded = !path.startsWith(u"\\\\?\\") && longPath.startsWith(u"\\\\?\\");
    return prefixAdded ? (longPath.startsWith(u"\\\\?\\UNC\\") ? u"\\\\"_s + longPath.mid(8)
                                                               : longPath.mid(4))
                       : longPath;
}

// Opens the entry for its attributes (and more access when asked). A link or junction is opened
// as itself unless followLinks.
FileHandle openEntry(const QString& path, DWORD access, bool followLinks)
{
    const auto native = nativePath(path);
    if (!native) {
        ::SetLastError(ERROR_INVALID_NAME);
        return FileHandle();
    }
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    return FileHandle(::CreateFileW(native->c_str(), access | FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, flags, nullptr));
}

struct EntryInformation
{
    BY_HANDLE_FILE_INFORMATION basic;
    FileId id;
};

// The entry's attributes and identity: the volume and the file ID, 128 bits where the file
// system gives them (ReFS needs all of them), else the 64-bit file reference. On NTFS the
// reference's top 16 bits count the reuses of the index, so that a folder deleted and made
// again is another object. The ID's upper half stands where other systems keep a birth time;
// NTFS leaves it 0. (The creation time cannot help: wine reports a folder's change time there,
// which every rename inside it moves.)
std::optional<EntryInformation> informationOf(const FileHandle& handle)
{
    EntryInformation information = {};
    if (!handle.isOpen() || !::GetFileInformationByHandle(handle.get(), &information.basic))
        return std::nullopt;
    const BY_HANDLE_FILE_INFORMATION& basic = information.basic;
    information.id = FileId{basic.dwVolumeSerialNumber,
                            (quint64(basic.nFileIndexHigh) << 32) | basic.nFileIndexLow};
    FILE_ID_INFO full = {};
    if (::GetFileInformationByHandleEx(handle.get(), FileIdInfo, &full, sizeof full)) {
        quint64 halves[2] = {};
        static_assert(sizeof halves == sizeof full.FileId.Identifier);
        std::memcpy(halves, full.FileId.Identifier, sizeof halves);
        information.id.object = halves[0];
        information.id.birth = halves[1];
    }
    return information;
}

FileId idOf(const EntryInformation& information)
{
    return information.id;
}

bool isFolder(const EntryInformation& information)
{
    return information.basic.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
}

FileSystemError lastError()
{
    return WindowsFileSystem::errorFromLastError(::GetLastError());
}

// "\??\C:\a" or "\??\UNC\server\share\a": the form NtSetInformationFile reads.
QString ntPath(const QString& path)
{
    if (path.startsWith(u"\\\\?\\"))
        return u"\\??\\"_s + path.mid(4);
    if (path.startsWith(u"\\\\"))
        return u"\\??\\UNC\\"_s + path.mid(2);
    return u"\\??\\"_s + path;
}

// What holds the new name, once the rename found it taken.
FileSystemError takenTargetError(const QString& target, FileId folder)
{
    using Kind = FileSystemError::Kind;
    const auto information = informationOf(openEntry(target, 0, false));
    if (information && idOf(*information) == folder)
        return FileSystemError{Kind::TargetIsSameFolder, {}};
    if (information && isFolder(*information))
        return FileSystemError{Kind::TargetIsFolder, {}};
    return WindowsFileSystem::errorFromLastError(ERROR_ALREADY_EXISTS);
}

class WindowsFolderFinder : public FolderFinder
{
public:
    FolderLookup lookUp(const QString& givenPath) override
    {
        FolderLookup result;
        // Windows reads "/" as "\\" too; the rows write paths one way.
        const QString path = longPathOf(QDir::toNativeSeparators(givenPath));
        if (!nativePath(path)) {
            result.error = FileSystemError{FileSystemError::Kind::InvalidName, {}};
            return result;
        }
        auto [parent, name] = SplitPath(path);
        const auto entry = informationOf(openEntry(path, 0, false));
        if (!entry) {
            result.error = lastError();
            return result;
        }
        if (!isFolder(*entry)) {
            result.error = WindowsFileSystem::errorFromLastError(ERROR_DIRECTORY);
            return result;
        }
        if (!parent.isNull() && (m_lastParent.isNull() || parent != m_lastParent)) {
            const auto parentInformation = informationOf(openEntry(parent, 0, true));
            if (!parentInformation) {
                result.error = lastError();
                return result;
            }
            m_lastParent = parent;
            m_lastParentId = idOf(*parentInformation);
        }
        const FileId parentId = parent.isNull() ? FileId() : m_lastParentId;
        if (!parent.isNull())
            parent = m_lastParent; // one string shared by every row that names it
        result.folder = FolderInfo{std::move(name), std::move(parent), idOf(*entry), parentId};
        return result;
    }

private:
    QString m_lastParent;
    FileId m_lastParentId;
};

class WindowsFolderProbe : public FolderProbe
{
public:
    void expect(const QString&, int) override {}

    NameHolder holderOf(const QString& parent, const QString& name) override
    {
        const auto native = nativePath(JoinPath(parent, name));
        if (!native)
            return NameHolder::Nothing;
        const DWORD attributes = ::GetFileAttributesW(native->c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return NameHolder::Nothing;
        // As the rename finds it: a link to a folder carries the folder's attribute too.
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? NameHolder::Folder : NameHolder::Other;
    }

    bool ignoresCase(const QString&) override { return true; }
};

class WindowsFolderRenamer : public FolderRenamer
{
public:
    std::optional<FileSystemError> rename(const ListedFolder& folder,
                                          const QString& newName) override
    {
        using Kind = FileSystemError::Kind;
        // While the folder is open, Windows lets no one move the folders above it.
        const FileHandle entry =
            openEntry(JoinPath(folder.parent, folder.name), DELETE | SYNCHRONIZE, false);
        if (!entry.isOpen()) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_PATH_NOT_FOUND)
                return FileSystemError{Kind::MovedOrReplaced, {}};
            return WindowsFileSystem::errorFromLastError(error);
        }
        const auto information = informationOf(entry);
        if (!information)
            return lastError();
        if (idOf(*information) != folder.id)
            return FileSystemError{Kind::MovedOrReplaced, {}};
        const auto parent = informationOf(openEntry(folder.parent, 0, true));
        if (!parent || idOf(*parent) != folder.parentId)
            return FileSystemError{Kind::MovedOrReplaced, {}};

        // Windows matches names without regard to letter case: a taken name may be the folder.
        const QString target = JoinPath(folder.parent, newName);
        const auto nativeTarget = nativePath(target);
        if (!nativeTarget)
            return FileSystemError{Kind::InvalidName, {}};
        if (::GetFileAttributesW(nativeTarget->c_str()) != INVALID_FILE_ATTRIBUTES)
            return takenTargetError(target, folder.id);

        // Renames exactly the folder that is open, within its parent, never replacing. The new
        // name goes as a full NT path: a bare name is not read alike everywhere.
        const std::wstring name = ntPath(target).toStdWString();
        const DWORD nameBytes = DWORD(name.size() * sizeof(wchar_t));
        std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
        auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        rename->ReplaceIfExists = FALSE;
        rename->RootDirectory = nullptr;
        rename->FileNameLength = nameBytes;
        std::memcpy(rename->FileName, name.c_str(), nameBytes);
        if (::SetFileInformationByHandle(entry.get(), FileRenameInfo, rename, DWORD(buffer.size())))
            return std::nullopt;
        const DWORD error = ::GetLastError();
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
            return takenTargetError(target, folder.id);
        return WindowsFileSystem::errorFromLastError(error);
    }
};

} // namespace

bool WindowsFileSystem::folderExists(const QString& path)
{
    const auto native = nativePath(path);
    if (!native)
        return false;
    const DWORD attributes = ::GetFileAttributesW(native->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsFileSystem::fileExists(const QString& path)
{
    const auto native = nativePath(path);
    if (!native)
        return false;
    const DWORD attributes = ::GetFileAttributesW(native->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<qint64> WindowsFileSystem::timeOf(const QString& path, FolderTime which)
{
    const auto native = nativePath(path);
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!native || !::GetFileAttributesExW(native->c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    // 100-nanosecond ticks since 1601.
    const FILETIME& time =
        which == FolderTime::Created ? data.ftCreationTime : data.ftLastWriteTime;
    const qint64 ticks = qint64((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    return ticks / 10000 - Q_INT64_C(11644473600000);
}

std::unique_ptr<FolderFinder> WindowsFileSystem::folderFinder()
{
    return std::make_unique<WindowsFolderFinder>();
}

bool WindowsFileSystem::readSubfolderNames(const QString& folder,
                                           const std::function<void(NameList)>& take)
{
    const auto pattern = nativePath(JoinPath(folder, u"*"_s));
    if (!pattern || !folderExists(folder))
        return false;
    WIN32_FIND_DATAW found = {};
    const HANDLE search =
        ::FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                           nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_FILE_NOT_FOUND; // a drive's root without entries
    }
    NameList names;
    do {
        // Hidden and system folders stay out, as in Explorer; junctions and links count.
        const DWORD attributes = found.dwFileAttributes;
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
            (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
            continue;
        const QStringView name(found.cFileName);
        if (name != u"." && name != u"..")
            names.append(name);
        if (names.size() == subfolderNamesAtATime)
            take(names.takeLeavingRoom());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    take(std::move(names));
    return true;
}

std::optional<FileSystemError> WindowsFileSystem::checkFolderName(const QString& name)
{
    if (const auto problem = WindowsFolderNameProblem(name))
        return FileSystemError{*problem, {}};
    return std::nullopt;
}

std::unique_ptr<FolderProbe> WindowsFileSystem::folderProbe()
{
    return std::make_unique<WindowsFolderProbe>();
}

std::unique_ptr<FolderRenamer> WindowsFileSystem::folderRenamer()
{
    return std::make_unique<WindowsFolderRenamer>();
}

QList<Volume> WindowsFileSystem::volumes()
{
    QList<Volume> result;
    wchar_t roots[512] = {};
    const DWORD length = ::GetLogicalDriveStringsW(DWORD(std::size(roots) - 1), roots);
    for (const wchar_t* root = roots; root < roots + length && *root; root += wcslen(root) + 1) {
        wchar_t label[MAX_PATH + 1] = {};
        QString labelText;
        if (::GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr,
                                    0))
            labelText = QString::fromWCharArray(label);
        QString remote;
        if (::GetDriveTypeW(root) == DRIVE_REMOTE) {
            const wchar_t drive[3] = {root[0], L':', 0};
            wchar_t remoteName[MAX_PATH + 1] = {};
            DWORD remoteLength = MAX_PATH + 1;
            if (::WNetGetConnectionW(drive, remoteName, &remoteLength) == NO_ERROR)
                remote = QString::fromWCharArray(remoteName);
        }
        const QString rootText = QString::fromWCharArray(root);
        result.append(Volume{rootText, DriveDisplayName(rootText, labelText, remote)});
    }
    return result;
}

QString WindowsFileSystem::volumeRootOf(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    for (const Volume& volume : volumes()) {
        if (native.startsWith(volume.rootPath, Qt::CaseInsensitive) ||
            native.compare(volume.rootPath.chopped(1), Qt::CaseInsensitive) == 0)
            return volume.rootPath;
    }
    return {};
}

QString WindowsFileSystem::currentDirectory()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

FileSystemError WindowsFileSystem::errorFromLastError(quint32 error)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString systemText = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed()
                                    : Texts::tr("系统错误 %1").arg(error);
    if (text)
        ::LocalFree(text);
    return FileSystemError{ErrorKindFromWin32(error), systemText};
}

FileSystemError::Kind ErrorKindFromWin32(quint32 error)
{
    using Kind = FileSystemError::Kind;
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return Kind::SourceMissing;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return Kind::PermissionDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_BUSY:
        return Kind::Busy;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
        return Kind::TargetExists;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return Kind::NameTooLong;
    case ERROR_NOT_SAME_DEVICE:
        return Kind::CrossDevice;
    case ERROR_WRITE_PROTECT:
        return Kind::ReadOnly;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
        return error == ERROR_DIRECTORY ? Kind::NotADirectory : Kind::InvalidName;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return Kind::NoSpace;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return Kind::OutOfMemory;
    case ERROR_TOO_MANY_OPEN_FILES:
        return Kind::TooManyOpenFiles;
    case ERROR_SEM_TIMEOUT:
        return Kind::TimedOut;
    case ERROR_BAD_NETPATH:
    case ERROR_NETNAME_DELETED:
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
        return Kind::NotConnected;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
        return Kind::Unsupported;
    case ERROR_CRC:
    case ERROR_IO_DEVICE:
        return Kind::InputOutput;
    default:
        return Kind::Other;
    }
}

std::optional<FileSystemError::Kind> WindowsFolderNameProblem(QStringView name)
{
    using Kind = FileSystemError::Kind;
    if (name.isEmpty() || name == u"." || name == u"..")
        return Kind::InvalidName;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c))
            return Kind::InvalidName;
    }
    if (name.endsWith(u' ') || name.endsWith(u'.'))
        return Kind::InvalidName;
    // The device names, also with an extension: "con", "COM1.txt"; Windows counts the
    // superscript digits ¹ ² ³ as digits there too.
    static const QStringList devices = {u"CON"_s, u"PRN"_s,    u"AUX"_s,
                                        u"NUL"_s, u"CONIN$"_s, u"CONOUT$"_s};
    const QStringView base = name.left(name.indexOf(u'.')).trimmed();
    const auto isDeviceDigit = [](QChar c) {
        return (c >= u'1' && c <= u'9') || c == u'¹' || c == u'²' || c == u'³';
    };
    const bool numberedDevice = base.size() == 4 &&
                                (base.startsWith(u"COM", Qt::CaseInsensitive) ||
                                 base.startsWith(u"LPT", Qt::CaseInsensitive)) &&
                                isDeviceDigit(base[3]);
    if (numberedDevice || devices.contains(base.toString(), Qt::CaseInsensitive))
        return Kind::InvalidName;
    if (name.size() > 255)
        return Kind::NameTooLong;
    return std::nullopt;
}

QString ExtendedLengthPath(const QString& path)
{
    // Every full path in the form Windows takes as it is: any length, and no trailing dot or
    // space stripped, so that "bad." is never read as "bad".
    if (path.startsWith(u"\\\\?\\") || path.startsWith(u"\\\\.\\"))
        return path;
    QString native = path;
    native.replace(u'/', u'\\');
    if (native.startsWith(u"\\\\"))
        return u"\\\\?\\UNC\\"_s + native.mid(2);
    if (native.size() >= 3 && native[0].isLetter() && native[1] == u':' && native[2] == u'\\')
        return u"\\\\?\\"_s + native;
    return path; // relative: as the system reads it
}

QString DriveDisplayName(const QString& root, const QString& label, const QString& remoteName)
{
    const QString drive = root.left(2).toLower();
    const QString detail = remoteName.isEmpty() ? label : remoteName;
    return detail.isEmpty() ? drive : drive + u" ["_s + detail + u']';
}

QStringList WindowsFileSystem::programFolders()
{
    return {QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
            QDir::toNativeSeparators(QtRecordFiles::defaultFolder())};
}

bool SyncToDisk(QFileDevice& file)
{
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(file.handle()));
    return file.isOpen() && handle != INVALID_HANDLE_VALUE && ::FlushFileBuffers(handle);
}
