#include "AddDirectories.h"

#include "DirectoryListing.h"
#include "common/PathJoin.h"
#include "rows/DirectoryListModel.h"

#include <numeric>
#include <vector>

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
                              const QStringList& paths)
{
    // Looked up a slice at a time, so that the lookups' results never pile up.
    constexpr qsizetype slice = 1024;
    AdditionReport report;
    std::vector<DirectoryRow> batch;
    batch.reserve(size_t(paths.size()));
    QString lastParent; // rows of one parent share its text
    QStringList unlisted;
    for (qsizetype first = 0; first < paths.size(); first += slice) {
        unlisted.clear();
        // A listed path would be refused anyway: spare it the lookup.
        for (qsizetype i = first; i < std::min(first + slice, paths.size()); ++i) {
            if (!rows.containsKey(paths[i]))
                unlisted.append(paths[i]);
        }
        std::vector<FolderLookup> lookups = fileSystem.lookupFolders(unlisted);
        for (size_t i = 0; i < lookups.size(); ++i) {
            if (!lookups[i].folder) {
                const QString reason = LookupFailureReason(lookups[i].error);
                ++report.failures[reason];
                report.skipped.append({unlisted[qsizetype(i)], reason});
                continue;
            }
            FolderInfo& folder = *lookups[i].folder;
            QString key = folder.parent.isNull() ? unlisted[qsizetype(i)]
                                                 : JoinPath(folder.parent, folder.name);
            if (!folder.parent.isNull()) {
                if (folder.parent == lastParent)
                    folder.parent = lastParent;
                else
                    lastParent = folder.parent;
            }
            batch.push_back(DirectoryRow{std::move(folder.name),
                                         {},
                                         std::move(key),
                                         std::move(folder.parent),
                                         folder.id,
                                         folder.parentId,
                                         {}});
        }
    }
    report.appended = rows.appendAll(std::move(batch));
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
