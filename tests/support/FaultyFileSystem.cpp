#include "FaultyFileSystem.h"

#include "platform/PathJoin.h"

#include <QDir>
#include <QFileInfo>

#include <thread>

void FaultyFileSystem::enterCall(const QString& path)
{
    if (beforeEachCall)
        beforeEachCall(path);
    if (delay.count() > 0)
        std::this_thread::sleep_for(delay);
    if (m_folderCalls++ == m_heldCall) {
        m_holding = true;
        m_released.acquire();
        m_holding = false;
    }
}

bool FaultyFileSystem::readSubfolderNames(const QString& folder,
                                          const std::function<void(NameList)>& take)
{
    enterCall(folder);
    return !unreadable.contains(folder) && NativeFileSystem::readSubfolderNames(folder, take);
}

namespace {

class FaultyFinder : public FolderFinder
{
public:
    FaultyFinder(FaultyFileSystem& fileSystem, std::unique_ptr<FolderFinder> real)
        : m_fileSystem(fileSystem), m_real(std::move(real))
    {}

    FolderLookup lookUp(const QString& path) override
    {
        m_fileSystem.enterCall(path);
        if (m_fileSystem.vanished.contains(path))
            return FolderLookup{{}, {FileSystemError::Kind::SourceMissing, {}}};
        return m_real->lookUp(path);
    }

private:
    FaultyFileSystem& m_fileSystem;
    std::unique_ptr<FolderFinder> m_real;
};

// The entry of the folder whose name matches without regard to case, or a null string.
QString nameMatchingCase(const QString& folder, const QString& name)
{
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                       QDir::Hidden | QDir::System);
    const QString key = name.toCaseFolded();
    for (const QString& entry : entries) {
        if (entry.toCaseFolded() == key)
            return entry;
    }
    return {};
}

class FaultyProbe : public FolderProbe
{
public:
    FaultyProbe(FaultyFileSystem& fileSystem, std::unique_ptr<FolderProbe> real)
        : m_fileSystem(fileSystem), m_real(std::move(real))
    {}

    void expect(const QString& parent, int questions) override
    {
        m_real->expect(parent, questions);
    }

    NameHolder holderOf(const QString& parent, const QString& name) override
    {
        m_fileSystem.enterCall(JoinPath(parent, name));
        if (!m_fileSystem.ignoreCase)
            return m_real->holderOf(parent, name);
        const QString match = nameMatchingCase(parent, name);
        return match.isNull() ? NameHolder::Nothing : m_real->holderOf(parent, match);
    }

    bool ignoresCase(const QString& parent) override
    {
        return m_fileSystem.ignoreCase || m_real->ignoresCase(parent);
    }

private:
    FaultyFileSystem& m_fileSystem;
    std::unique_ptr<FolderProbe> m_real;
};

class FaultyRenamer : public FolderRenamer
{
public:
    FaultyRenamer(FaultyFileSystem& fileSystem, std::unique_ptr<FolderRenamer> real)
        : m_fileSystem(fileSystem), m_real(std::move(real))
    {}

    std::optional<FileSystemError> rename(const ListedFolder& folder,
                                          const QString& newName) override
    {
        ++m_fileSystem.renameCalls;
        m_fileSystem.enterCall(JoinPath(folder.parent, folder.name));
        if (m_fileSystem.beforeRename) {
            if (std::optional<FileSystemError> error = m_fileSystem.beforeRename(
                    JoinPath(folder.parent, folder.name), JoinPath(folder.parent, newName)))
                return error;
        }
        if (m_fileSystem.ignoreCase) {
            const QString match = nameMatchingCase(folder.parent, newName);
            if (match == folder.name)
                return FileSystemError{FileSystemError::Kind::TargetIsSameFolder, {}};
            if (!match.isNull()) {
                const bool folderThere = QFileInfo(JoinPath(folder.parent, match)).isDir();
                return FileSystemError{folderThere ? FileSystemError::Kind::TargetIsFolder
                                                   : FileSystemError::Kind::TargetExists,
                                       {}};
            }
        }
        return m_real->rename(folder, newName);
    }

private:
    FaultyFileSystem& m_fileSystem;
    std::unique_ptr<FolderRenamer> m_real;
};

} // namespace

std::unique_ptr<FolderFinder> FaultyFileSystem::folderFinder()
{
    return std::make_unique<FaultyFinder>(*this, NativeFileSystem::folderFinder());
}

std::unique_ptr<FolderProbe> FaultyFileSystem::folderProbe()
{
    return std::make_unique<FaultyProbe>(*this, NativeFileSystem::folderProbe());
}

std::unique_ptr<FolderRenamer> FaultyFileSystem::folderRenamer()
{
    return std::make_unique<FaultyRenamer>(*this, NativeFileSystem::folderRenamer());
}

QList<Volume> FaultyFileSystem::volumes()
{
    enterCall({});
    return NativeFileSystem::volumes();
}

QStringList FaultyFileSystem::programFolders()
{
    return programFoldersInstead;
}
