#include "AppInfo.h"

using namespace Qt::StringLiterals;

namespace AppInfo {

QString mainWindowTitle()
{
    return title + u" V"_s + QString::number(versionMajor) + u'.' + QString::number(versionMinor);
}

QString versionString()
{
    return QString::number(versionMajor) + u'.' + QString::number(versionMinor) + u'.' +
           QString::number(versionRevision);
}

} // namespace AppInfo
