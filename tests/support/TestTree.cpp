#include "TestTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QOperatingSystemVersion>
#include <QTest>

QString fileSystemRoot()
{
    return QDir::toNativeSeparators(QDir(QDir::tempPath()).rootPath());
}

TestTree::TestTree()
{
    QVERIFY(m_dir.isValid());
}

QString TestTree::root() const
{
    return QDir::toNativeSeparators(m_dir.path());
}

QString TestTree::path(const QString& relative) const
{
    return relative.isEmpty() ? root()
                              : root() + QDir::separator() + QDir::toNativeSeparators(relative);
}

bool TestTree::link(const QString& target, const QString& relative) const
{
    // On Windows QFile::link makes a shell shortcut, which is no link to the file system.
    return !OnWindows() && QFile::link(path(target), path(relative));
}

void TestTree::makeFolders(const QStringList& relatives) const
{
    for (const QString& relative : relatives)
        QVERIFY2(QDir().mkpath(path(relative)), qPrintable(relative));
}

void TestTree::makeFile(const QString& relative) const
{
    QFile file(path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

bool TestTree::isFolder(const QString& relative) const
{
    return QFileInfo(path(relative)).isDir();
}

QStringList TestTree::entries(const QString& relative) const
{
    return QDir(path(relative))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                   QDir::Name);
}
