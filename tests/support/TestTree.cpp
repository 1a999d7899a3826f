#include "TestTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

TestTree::TestTree()
{
    QVERIFY(m_dir.isValid());
}

QString TestTree::path(const QString& relative) const
{
    return relative.isEmpty() ? root() : root() + u'/' + relative;
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
