#include "AddDirectories.h"

#include <QCoreApplication>

#include "DirectoryListing.h"
#include "common/Outbox.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"

#include <QHash>
#include <deque>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AddDirectories)
};

} // namespace

int AdditionReport::failed() const
{
    return std::accumulate(failures.cbegin(), failures.cend(), 0);
}

QString AdditionReport::failureMessage() const
{
    if (failures.isEmpty())
        return {};
    QString message = Texts::tr("有 %n 个目录没有加入列表：", nullptr, int(failed()));
    for (auto it = failures.cbegin(); it != failures.cend(); ++it)
        message += Texts::tr("\n%1：%2 个").arg(it.key()).arg(it.value());
    return message;
}

QString AdditionReport::skippedMessage() const
{
    if (skipped.isEmpty())
        return {};
    constexpr qsizetype shown = 20;
    QString message = Texts::tr("下列 %1 项没有加入列表：").arg(skipped.size());
    for (qsizetype i = 0; i < std::min(shown, skipped.size()); ++i)
        message += Texts::tr("\n%1（%2）").arg(skipped[i].first, skipped[i].second);
    if (skipped.size() > shown)
        message += Texts::tr("\n……还有 %1 项").arg(skipped.size() - shown);
    return message;
}

QString LookupFailureReason(const FileSystemError& error)
{
    using Kind = FileSystemError::Kind;
    switch (error.kind) {
    case Kind::SourceMissing:
        return Texts::tr("不存在");
    case Kind::NotADirectory:
        return Texts::tr("不是目录");
    case Kind::PermissionDenied:
        return Texts::tr("没有权限访问");
    default:
        return DescribeError(error);
    }
}

namespace {

// The paths are made on the pass's worker, before anything is handed over, while the held list
// is only read: a million of them take a tenth of a second to make.
AdditionReport AddPaths(DirectoryListModel& rows, FileSystem& fileSystem, int count,
                        const std::function<QStringList()>& makePaths, PassRunner& passes)
{
    AdditionReport report;
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold) {
        report.end = PassEnd::Refused;
        return report;
    }
    // Room for them all now: growing a list of a million rows would hold the window.
    const int listedCount = rows.count();
    rows.reserve(listedCount + count);
    Outbox<HashedRow> found;
    found.reserve(size_t(count));
    const auto lookUp = [&](PassControl& control) {
        hold->reserveIndex(listedCount + count);
        const QStringList paths = makePaths();
        // The same folder under another spelling ("a/./b", "a//b", through a link to a) is
        // listed already: one row a folder, by identity. A folder whose parent is listed is
        // spelt below the parent's row, so that it follows the parent's rename.
        // Each identity names its key where it is kept: in paths, or in otherKeys for keys
        // spelt otherwise. The map holds no strings of its own to count and free.
        QHash<FileId, const QString*> listed;
        std::deque<QString> otherKeys;
        listed.reserve(listedCount + int(paths.size()));
        for (int i = 0; i < listedCount; ++i)
            listed.insert(rows.row(i).id, &otherKeys.emplace_back(rows.row(i).key));
        // A listed path would be refused anyway: spare it the lookup. Asked before the first
        // row is handed over, as the hand-over changes what is listed.
        std::vector<bool> listedPath(size_t(paths.size()), false);
        for (qsizetype i = 0; listedCount > 0 && i < paths.size(); ++i)
            listedPath[size_t(i)] = rows.containsKey(paths[i]);
        const std::unique_ptr<FolderFinder> finder = fileSystem.folderFinder();
        QString spelledParent;
        QString cleanParent;
        control.forEach(int(paths.size()), [&](int i) {
            const QString& path = paths[i];
            if (listedPath[size_t(i)])
                return;
            FolderLookup lookup = finder->lookUp(path);
            if (!lookup.folder) {
                const QString reason = LookupFailureReason(lookup.error);
                ++report.failures[reason];
                report.skipped.append({path, reason});
                return;
            }
            FolderInfo& folder = *lookup.folder;
            // One probe asks and makes room: a folder not listed yet gets its key below.
            const QString*& listedKey = listed[folder.id];
            if (listedKey)
                return; // listed already, under another spelling
            if (const auto parentRow = listed.constFind(folder.parentId);
                parentRow != listed.cend() && *parentRow && !folder.parent.isNull()) {
                folder.parent = **parentRow;
            } else if (!folder.parent.isNull()) {
                // "a/./b" as "a/b", so that the row follows when a listed ancestor of its
                // folder is renamed. Once a parent: its rows share the string.
                if (!folder.parent.isSharedWith(spelledParent)) {
                    spelledParent = folder.parent;
                    cleanParent = WithoutDotComponents(spelledParent);
                }
                folder.parent = cleanParent;
            }
            // Most paths are spelt as their key already: the row shares the path's text.
            const bool spelledAsKey =
                folder.parent.isNull() || IsJoinedPath(path, folder.parent, folder.name);
            listedKey = spelledAsKey
                            ? &path
                            : &otherKeys.emplace_back(JoinPath(folder.parent, folder.name));
            QString key = *listedKey;
            const size_t keyHash = KeyHash(key);
            found.put(
                {DirectoryRow{
                     {}, std::move(key), std::move(folder.parent), folder.id, folder.parentId, {}},
                 keyHash});
        });
    };
    report.end = passes.run(Texts::tr("正在加入目录……"), count, lookUp, [&] {
        found.take(
            [&](std::vector<HashedRow>& taken) { report.appended += hold->appendAll(taken); });
    });
    return report;
}

} // namespace

AdditionReport AddDirectories(DirectoryListModel& rows, FileSystem& fileSystem,
                              const QStringList& paths, PassRunner& passes)
{
    return AddPaths(
        rows, fileSystem, int(paths.size()), [&] { return paths; }, passes);
}

AdditionReport AddListedDirectories(DirectoryListModel& rows, FileSystem& fileSystem,
                                    const DirectoryListing& listing, AddMode mode,
                                    PassRunner& passes)
{
    return AddPaths(
        rows, fileSystem, PathsToAddCount(listing, mode),
        [listing, mode] { return PathsToAdd(listing, mode); }, passes);
}

AdditionReport AddSubdirectories(DirectoryListModel& rows, FileSystem& fileSystem,
                                 const QStringList& folders, PassRunner& passes)
{
    QStringList paths;
    QList<std::pair<QString, QString>> unread;
    for (const QString& folder : folders) {
        DirectoryListing listing(fileSystem, passes);
        if (listing.setPath(folder))
            paths += PathsToAdd(listing, AddMode::Subdirectories);
        else
            unread.append({folder, Texts::tr("无法读取")});
    }
    AdditionReport report = AddDirectories(rows, fileSystem, paths, passes);
    report.skipped = unread + report.skipped;
    return report;
}

int PathsToAddCount(const DirectoryListing& listing, AddMode mode)
{
    return (mode != AddMode::SelectedItem ? listing.listCount() : 0) +
           (mode != AddMode::Subdirectories ? 1 : 0);
}

QStringList PathsToAdd(const DirectoryListing& listing, AddMode mode)
{
    QStringList paths;
    paths.reserve(PathsToAddCount(listing, mode));
    if (mode != AddMode::Subdirectories)
        paths.append(listing.path());
    if (mode != AddMode::SelectedItem) {
        for (int i = 0; i < listing.listCount(); ++i)
            paths.append(listing.list(i));
    }
    return paths;
}
