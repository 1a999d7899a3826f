#include "AddDirectories.h"

#include "DirectoryListing.h"
#include "common/Outbox.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"

#include <QHash>
#include <numeric>

using namespace Qt::StringLiterals;

int AdditionReport::failed() const
{
    return std::accumulate(failures.cbegin(), failures.cend(), 0);
}

QString AdditionReport::failureMessage() const
{
    if (failures.isEmpty())
        return {};
    QString message = u"有 %1 个目录没有加入列表："_s.arg(failed());
    for (auto it = failures.cbegin(); it != failures.cend(); ++it)
        message += u"\n%1：%2 个"_s.arg(it.key()).arg(it.value());
    return message;
}

QString AdditionReport::skippedMessage() const
{
    if (skipped.isEmpty())
        return {};
    constexpr qsizetype shown = 20;
    QString message = u"下列 %1 项没有加入列表："_s.arg(skipped.size());
    for (qsizetype i = 0; i < std::min(shown, skipped.size()); ++i)
        message += u"\n%1（%2）"_s.arg(skipped[i].first, skipped[i].second);
    if (skipped.size() > shown)
        message += u"\n……还有 %1 项"_s.arg(skipped.size() - shown);
    return message;
}

QString LookupFailureReason(const FileSystemError& error)
{
    using Kind = FileSystemError::Kind;
    switch (error.kind) {
    case Kind::SourceMissing:
        return u"不存在"_s;
    case Kind::NotADirectory:
        return u"不是目录"_s;
    case Kind::PermissionDenied:
        return u"没有权限访问"_s;
    default:
        return DescribeError(error);
    }
}

AdditionReport AddDirectories(DirectoryListModel& rows, FileSystem& fileSystem,
                              const QStringList& paths, PassRunner& passes)
{
    AdditionReport report;
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold) {
        report.end = PassEnd::Refused;
        return report;
    }
    // A listed path would be refused anyway: spare it the lookup.
    QStringList unlisted = rows.count() == 0 ? paths : QStringList();
    for (const QString& path : paths) {
        if (rows.count() > 0 && !rows.containsKey(path))
            unlisted.append(path);
    }
    rows.reserve(rows.count() + int(unlisted.size()));
    // The same folder under another spelling ("a/./b", "a//b", through a link to a) is listed
    // already: one row a folder, by identity. A folder whose parent is listed is spelt below
    // the parent's row, so that it follows the parent's rename.
    QHash<FileId, QString> listed;
    listed.reserve(rows.count() + int(unlisted.size()));
    for (int i = 0; i < rows.count(); ++i)
        listed.insert(rows.row(i).id, rows.row(i).key);
    Outbox<DirectoryRow> found;
    found.reserve(size_t(unlisted.size()));
    const auto lookUp = [&](PassControl& control) {
        const std::unique_ptr<FolderFinder> finder = fileSystem.folderFinder();
        control.forEach(int(unlisted.size()), [&](int i) {
            const QString& path = unlisted[i];
            FolderLookup lookup = finder->lookUp(path);
            if (!lookup.folder) {
                const QString reason = LookupFailureReason(lookup.error);
                ++report.failures[reason];
                report.skipped.append({path, reason});
                return;
            }
            FolderInfo& folder = *lookup.folder;
            if (listed.contains(folder.id))
                return; // listed already, under another spelling
            if (const auto parentRow = listed.constFind(folder.parentId);
                parentRow != listed.cend() && !folder.parent.isNull())
                folder.parent = *parentRow;
            QString key = folder.parent.isNull() ? path : JoinPath(folder.parent, folder.name);
            listed.insert(folder.id, key);
            found.put(DirectoryRow{std::move(folder.name),
                                   {},
                                   std::move(key),
                                   std::move(folder.parent),
                                   folder.id,
                                   folder.parentId,
                                   {}});
        });
    };
    report.end = passes.run(u"正在加入目录……"_s, int(unlisted.size()), lookUp,
                            [&] { report.appended += hold->appendAll(found.take()); });
    return report;
}

QStringList PathsToAdd(const DirectoryListing& listing, AddMode mode)
{
    QStringList paths;
    if (mode != AddMode::SelectedItem)
        paths.reserve(listing.listCount() + 1);
    if (mode != AddMode::Subdirectories)
        paths.append(listing.path());
    if (mode != AddMode::SelectedItem) {
        for (int i = 0; i < listing.listCount(); ++i)
            paths.append(listing.list(i));
    }
    return paths;
}
