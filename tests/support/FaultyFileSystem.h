#pragma once

#include "NativeFileSystem.h"

#include <QSemaphore>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <functional>

// The real file system, with faults a test can inject where the real fault cannot be made.
class FaultyFileSystem : public NativeFileSystem
{
public:
    // Called before each rename with the folder's path and the new one; a returned error is
    // reported instead of renaming.
    std::function<std::optional<FileSystemError>(const QString& from, const QString& to)>
        beforeRename;
    // Paths whose lookup fails as if the folder had gone.
    QStringList vanished;
    // Folders that cannot be listed.
    QStringList unreadable;
    // Called, on the thread of the pass, before every lookup, probe, rename and listing of a
    // folder and every reading of the volumes ("folder call"), with the folder's path.
    std::function<void(const QString& path)> beforeEachCall;
    // The program's folders as a test lays them out; none unless set, so that no test counts
    // their lookups among its folder calls.
    QStringList programFoldersInstead;
    // Names match without regard to letter case in every folder, as on a FAT disk.
    bool ignoreCase = false;
    // How long each folder call waits first, as on a network share.
    std::chrono::microseconds delay{0};
    int renameCalls = 0;

    // Holds the folder call with that number (from 0, counted over the file system's life)
    // until release(), as a dead network share holds it.
    void holdCall(int call) { m_heldCall = call; }
    void release() { m_released.release(); }
    bool holding() const { return m_holding; }
    int folderCalls() const { return m_folderCalls; }
    // What every folder call does before the real one.
    void enterCall(const QString& path);

    std::unique_ptr<FolderFinder> folderFinder() override;
    bool readSubfolderNames(const QString& folder,
                            const std::function<void(NameList)>& take) override;
    std::unique_ptr<FolderProbe> folderProbe() override;
    std::unique_ptr<FolderRenamer> folderRenamer() override;
    QList<Volume> volumes() override;
    QStringList programFolders() override;

private:
    std::atomic<int> m_folderCalls{0};
    std::atomic<int> m_heldCall{-1};
    std::atomic<bool> m_holding{false};
    QSemaphore m_released;
};
