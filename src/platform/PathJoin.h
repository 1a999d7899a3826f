#pragma once

#include "NativePaths.h"

#include <QString>
#include <QStringBuilder>

// The parent's path, a separator unless the parent ends in one (a root), the name. Nothing
// else is normalised.
// The parent and the last component of a full path: "/a" gives "/" and "a", "C:\\a" gives
// "C:\\" and "a".
inline std::pair<QString, QString> SplitPath(const QString& path)
{
    const qsizetype separator = path.lastIndexOf(PathSeparator);
    return {path.left(std::max(separator, RootLength(path))), path.mid(separator + 1)};
}

inline QString JoinPath(const QString& parent, const QString& name)
{
    if (parent.endsWith(PathSeparator))
        return parent + name;
    return parent % PathSeparator % name; // one allocation
}
