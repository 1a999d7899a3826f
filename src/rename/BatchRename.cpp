#include "BatchRename.h"

#include "common/AppInfo.h"
#include "common/FolderExists.h"
#include "common/PathJoin.h"
#include "mainwindow/DirectoryListModel.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

using namespace Qt::StringLiterals;

namespace {

const QString invalidNameText = u"新名称不是有效的文件夹名称"_s;

// The program's own wording for the common failures; the system's for the rest.
QString describe(const FileSystemError& error)
{
    using Kind = FileSystemError::Kind;
    switch (error.kind) {
    case Kind::SourceMissing:
        return u"找不到要修改的目录"_s;
    case Kind::PermissionDenied:
        return u"没有权限修改这个目录"_s;
    case Kind::ReadOnly:
        return u"目录所在的文件系统是只读的"_s;
    case Kind::NameTooLong:
        return u"新名称太长"_s;
    case Kind::Busy:
        return u"目录正在使用中"_s;
    case Kind::CrossDevice:
        return u"不能把目录移到另一个文件系统"_s;
    case Kind::IntoOwnSubfolder:
        return u"不能把目录移到它自己的子目录中"_s;
    case Kind::InvalidName:
        return invalidNameText;
    case Kind::NotADirectory:
        return u"路径中的某一项不是目录"_s;
    case Kind::NoSpace:
        return u"磁盘空间不足"_s;
    case Kind::TargetExists:
        return u"新名称已被另一个文件或目录占用"_s;
    case Kind::Other:
        break;
    }
    return error.systemText;
}

// The part of the new path after the parent, which must be one path component.
bool isSingleComponent(QStringView name)
{
    return !name.contains(PathSeparator) && !name.contains(QChar(u'\0')) && name != u"." &&
           name != u"..";
}

} // namespace

QString RenameDirectory(FileSystem& fileSystem, const QString& oldPath, const QString& newPath,
                        bool& success)
{
    success = false;
    if (oldPath == newPath)
        return Verdict::sameName;
    // Where the file system tells letter case apart, a case-only change is a real rename.
    if (oldPath.size() == newPath.size() && oldPath.compare(newPath, Qt::CaseInsensitive) == 0 &&
        fileSystem.isSameEntry(oldPath, newPath))
        return Verdict::sameName;
    if (FolderExists(fileSystem, newPath))
        return Verdict::alreadyExists;

    const qsizetype oldSlash = oldPath.lastIndexOf(PathSeparator);
    const QStringView newName = QStringView(newPath).mid(oldSlash + 1);
    if (oldSlash < 0 || !newPath.startsWith(QStringView(oldPath).left(oldSlash + 1)) ||
        !isSingleComponent(newName))
        return Verdict::errorPrefix + invalidNameText;

    if (const std::optional<FileSystemError> error = fileSystem.renameNoReplace(oldPath, newPath))
        return Verdict::errorPrefix + describe(*error);
    success = true;
    return Verdict::renamed;
}

void ConfirmBatchRename(DirectoryListModel& rows, FileSystem& fileSystem,
                        MessageBoxes& messageBoxes)
{
    if (!messageBoxes.askYesNo(AppInfo::title, u"你确定要全部修改目录名称吗？"_s))
        return;

    const int n = rows.count();
    for (int i = 0; i < n; ++i) {
        const DirectoryRow& row = rows.row(i);
        if (!row.hasParent()) {
            rows.setVerdict(i, Verdict::rootNotRenamed);
            continue;
        }
        const QString newPath = JoinPath(row.parent, row.newName);
        bool success = false;
        const QString verdict =
            RenameDirectory(fileSystem, JoinPath(row.parent, row.name), newPath, success);
        rows.setVerdict(i, verdict);
        if (success)
            rows.setRenamed(i, newPath);
    }
    rows.rowsUpdated();

    messageBoxes.inform(AppInfo::title, u"批量修改目录名称完成！"_s);
}
