#pragma once

#include <QString>
#include <QStringBuilder>

inline constexpr QChar PathSeparator = u'/';

// The parent's path, one separator, the name: plain concatenation, nothing normalised.
// Below the root this gives "//name", which the file system reads as "/name".
inline QString JoinPath(const QString& parent, const QString& name)
{
    return parent % PathSeparator % name; // one allocation
}
