#include "StartFolder.h"

#include <QDir>
#include <QFileInfo>

QString StartFolder(const QString& workingDirectory, const QString& programFolder,
                    const QString& documents)
{
    const QString here = QFileInfo(workingDirectory).canonicalFilePath();
    if (here.isEmpty() || here != QFileInfo(programFolder).canonicalFilePath())
        return workingDirectory;
    return QDir::toNativeSeparators(QFileInfo(documents).isDir() ? documents : QDir::homePath());
}
