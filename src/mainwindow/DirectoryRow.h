#pragma once

#include <QString>

// One row of the directory list: one directory on disk.
struct DirectoryRow
{
    QString name;    // column 1: the directory's own name; empty for a root
    QString newName; // column 2: the proposed name
    QString verdict; // column 3: one of the Verdict texts
    QString key;     // the full path, unique within the list
    QString parent;  // the parent's full path; a null QString for a root, which has none

    bool hasParent() const { return !parent.isNull(); }
};

// The texts column 3 can show. Rows share these strings rather than holding copies.
namespace Verdict {
inline const QString canRename = QStringLiteral("可以修改");
inline const QString sameFolderExists = QStringLiteral("有相同目录");
inline const QString sameName = QStringLiteral("目录名称一样");
inline const QString alreadyExists = QStringLiteral("目录已经存在");
inline const QString renamed = QStringLiteral("修改成功");
inline const QString errorPrefix = QStringLiteral("修改出错:");
// A root has no parent and so nothing to be renamed within.
inline const QString rootNotRenamed = QStringLiteral("根目录不能修改");
} // namespace Verdict
