#pragma once

#include "NativePaths.h"

#include <QString>
#include <QStringBuilder>

// The parent's path, a separator unless the parent ends in one (a root), the name. Nothing
// else is normalised.
inline QString JoinPath(const QString& parent, const QString& name)
{
    if (parent.endsWith(PathSeparator))
        return parent + name;
    return parent % PathSeparator % name; // one allocation
}
