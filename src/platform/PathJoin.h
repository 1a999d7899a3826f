#pragma once

#include "NativePaths.h"

#include <QString>
#include <QStringBuilder>

// The parent and the last component of a path, trailing separators aside: "/a" gives "/" and
// "a", "C:\\a" gives "C:\\" and "a", a bare name "." and itself, a root no parent (a null
// string) and an empty name.
inline std::pair<QString, QString> SplitPath(const QString& path)
{
    const qsizetype root = RootLength(path);
    qsizetype end = path.size();
    while (end > std::max<qsizetype>(root, 1) && path[end - 1] == PathSeparator)
        --end;
    if (root > 0 && end <= root)
        return {QString(), QString()};
    const qsizetype separator = path.lastIndexOf(PathSeparator, end - 1);
    if (separator < 0)
        return {QStringLiteral("."), path.left(end)};
    qsizetype parentEnd = std::max(separator, root);
    while (parentEnd > root && path[parentEnd - 1] == PathSeparator)
        --parentEnd;
    return {path.left(parentEnd), path.mid(separator + 1, end - separator - 1)};
}

// The parent's path, a separator unless the parent ends in one (a root), the name. Nothing
// else is normalised.
inline QString JoinPath(const QString& parent, const QString& name)
{
    if (parent.endsWith(PathSeparator))
        return parent + name;
    return parent % PathSeparator % name; // one allocation
}
