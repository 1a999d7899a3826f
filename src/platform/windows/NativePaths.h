#pragma once

#include <QChar>
#include <QStringView>

// Paths as this platform writes them.
inline constexpr QChar PathSeparator = u'\\';

// How many leading characters are the path's root: 3 for "C:\", the whole "\\server\share\"
// for a network path, 0 for a relative path.
inline qsizetype RootLength(QStringView path)
{
    if (path.size() >= 3 && path[0].isLetter() && path[1] == u':' && path[2] == PathSeparator)
        return 3;
    if (path.startsWith(u"\\\\")) {
        const qsizetype server = path.indexOf(PathSeparator, 2);
        if (server < 0)
            return 0;
        const qsizetype share = path.indexOf(PathSeparator, server + 1);
        return share < 0 ? path.size() : share + 1;
    }
    return 0;
}
