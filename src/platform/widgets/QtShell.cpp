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

bool QtShell::editTextFile(const QString& path)
{
    // The editor the user named, as Unix desktops name it; else the desktop's for text files.
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        QStringList command = QProcess::splitCommand(qEnvironmentVariable(variable));
        if (command.isEmpty())
            continue;
        const QString program = command.takeFirst();
        return QProcess::startDetached(program, command << QDir::cleanPath(path));
    }
    return openLocalPath(path);
}

bool QtShell::startProgram(const QString& program)
{
    return QProcess::startDetached(program, {});
}
