#pragma once

#include <QChar>
#include <QStringView>

// Paths as this platform writes them.
inline constexpr QChar PathSeparator = u'/';

// How many leading characters are the path's root: 1 for an absolute path, 0 otherwise.
inline qsizetype RootLength(QStringView path)
{
    return path.startsWith(PathSeparator) ? 1 : 0;
}
