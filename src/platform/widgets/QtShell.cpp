#include "QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>

QUrl LocalPathUrl(const QString& path)
{
    return QUrl::fromLocalFile(QDir::cleanPath(path));
}

bool QtShell::openLocalPath(const QString& path)
{
    return QDesktopServices::openUrl(LocalPathUrl(path));
}

bool QtShell::openWebAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

bool QtShell::startProgram(const QString& program)
{
    return QProcess::startDetached(program, {});
}
