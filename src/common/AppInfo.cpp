#include "AppInfo.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace AppInfo {

QString title()
{
    return QCoreApplication::translate("AppInfo", "Morvel文件夹名称批量修改");
}

QString mainWindowTitle()
{
    return title() + u" V"_s + QString::number(versionMajor) + u'.' + QString::number(versionMinor);
}

QString versionString()
{
    return QString::number(versionMajor) + u'.' + QString::number(versionMinor) + u'.' +
           QString::number(versionRevision);
}

} // namespace AppInfo
