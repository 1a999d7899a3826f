#include "QtShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool QtShell::openLocalPath(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShell::openWebAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

bool QtShell::startProgram(const QString& program)
{
    return QProcess::startDetached(program, {});
}
