#include "FaultyFileSystem.h"

#include "common/PathJoin.h"

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

std::optional<QStringList> FaultyFileSystem::subfolderNames(const QString& folder)
{
    enterCall(folder);
    if (unreadable.contains(folder))
        return std::nullopt;
    return NativeFileSystem::subfolderNames(folder);
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

class FaultyProbe : public FolderProbe
{
public:
    FaultyProbe(FaultyFileSystem& fileSystem, std::unique_ptr<FolderProbe> real)
        : m_fileSystem(fileSystem), m_real(std::move(real))
    {}

    bool folderExists(const QString& parent, const QString& name) override
    {
        m_fileSystem.enterCall(JoinPath(parent, name));
        return m_real->folderExists(parent, name);
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
