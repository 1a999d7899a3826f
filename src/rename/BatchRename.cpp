#include "BatchRename.h"

#include "common/AppInfo.h"
#include "common/PathJoin.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "rows/DirectoryListModel.h"

#include <map>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The rows by their parent's path. Ordered, so that the parents below a folder form one
// range: following a rename costs the rows below it, not a pass over all rows.
class RowsByParent
{
public:
    explicit RowsByParent(const DirectoryListModel& rows)
    {
        std::vector<int>* last = nullptr;
        const QString* lastParent = nullptr;
        for (int i = 0; i < rows.count(); ++i) {
            const QString& parent = rows.row(i).parent;
            if (parent.isNull())
                continue;
            // Rows of one parent usually come together and share its text.
            if (!last || parent.constData() != lastParent->constData() || parent != *lastParent)
                last = &m_rows[parent];
            lastParent = &parent;
            last->push_back(i);
        }
    }

    // The folder at oldPath is at newPath now: the rows below it say so.
    void follow(DirectoryListModel& rows, const QString& oldPath, const QString& newPath)
    {
        std::vector<std::pair<QString, std::vector<int>>> moved;
        if (auto node = m_rows.extract(oldPath))
            moved.emplace_back(std::move(node.key()), std::move(node.mapped()));
        const QString below = oldPath + PathSeparator;
        for (auto it = m_rows.lower_bound(below);
             it != m_rows.end() && it->first.startsWith(below);) {
            moved.emplace_back(it->first, std::move(it->second));
            it = m_rows.erase(it);
        }
        for (auto& [parent, positions] : moved) {
            const QString newParent = newPath % QStringView(parent).mid(oldPath.size());
            for (const int position : positions)
                rows.setParent(position, newParent);
            std::vector<int>& merged = m_rows[newParent];
            merged.insert(merged.end(), positions.begin(), positions.end());
        }
    }

private:
    std::map<QString, std::vector<int>> m_rows;
};

bool anyPreviewed(const DirectoryListModel& rows)
{
    for (int i = 0; i < rows.count(); ++i) {
        if (rows.row(i).isPreviewed())
            return true;
    }
    return false;
}

} // namespace

Verdict 目录重命名(FileSystem& fileSystem, FolderRenamer& renamer, const DirectoryRow& row)
{
    using Outcome = Verdict::Outcome;
    using Kind = FileSystemError::Kind;
    if (row.newName == row.name)
        return Verdict{Outcome::SameName, {}};
    if (std::optional<FileSystemError> problem = fileSystem.checkFolderName(row.newName))
        return Verdict{Outcome::Failed, *problem};
    const std::optional<FileSystemError> error =
        renamer.rename(ListedFolder{row.parent, row.parentId, row.name, row.id}, row.newName);
    if (!error)
        return Verdict{Outcome::Renamed, {}};
    // Letter case aside, where the file system does not tell it apart.
    if (error->kind == Kind::TargetIsSameFolder)
        return Verdict{Outcome::SameName, {}};
    if (error->kind == Kind::TargetIsFolder)
        return Verdict{Outcome::AlreadyExists, {}};
    return Verdict{Outcome::Failed, *error};
}

void ConfirmBatchRename(DirectoryListModel& rows, FileSystem& fileSystem,
                        MessageBoxes& messageBoxes)
{
    using Outcome = Verdict::Outcome;
    if (rows.count() > 0 && !anyPreviewed(rows)) {
        messageBoxes.inform(AppInfo::title, u"还没有模拟修改，请先模拟修改。"_s);
        return;
    }
    if (!messageBoxes.askYesNo(AppInfo::title, u"你确定要全部修改目录名称吗？"_s))
        return;

    const std::unique_ptr<FolderRenamer> renamer = fileSystem.folderRenamer();
    RowsByParent rowsByParent(rows);
    const int n = rows.count();
    for (int i = 0; i < n; ++i) {
        const DirectoryRow& row = rows.row(i);
        if (!row.hasParent()) {
            rows.setVerdict(i, Verdict{Outcome::RootNotRenamed, {}});
            continue;
        }
        if (!row.isPreviewed()) {
            rows.setVerdict(i, Verdict{Outcome::NeedsPreview, {}});
            continue;
        }
        const Verdict verdict = 目录重命名(fileSystem, *renamer, row);
        rows.setVerdict(i, verdict);
        if (verdict.outcome == Outcome::Renamed) {
            const QString oldPath = row.key;
            rows.setRenamed(i, JoinPath(row.parent, row.newName));
            rowsByParent.follow(rows, oldPath, row.key);
        }
    }
    rows.rowsUpdated();

    messageBoxes.inform(AppInfo::title, u"批量修改目录名称完成！"_s);
}
