#include "TestTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QOperatingSystemVersion>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

QString fileSystemRoot()
{
    return QDir::toNativeSeparators(QDir(QDir::tempPath()).rootPath());
}

TestTree::TestTree()
{
    QVERIFY(m_dir.isValid());
}

const QStringList& MapLetters()
{
    static const QStringList letters{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s};
    return letters;
}

std::vector<QStringList> ExhaustiveMaps(int folders, int names)
{
    if (const int asked = qEnvironmentVariableIntValue("FBR_EXHAUSTIVE_FOLDERS"); asked > 0)
        folders = asked;
    if (const int asked = qEnvironmentVariableIntValue("FBR_EXHAUSTIVE_NAMES"); asked > 0)
        names = asked;
    names = std::min(names, int(MapLetters().size()));
    std::vector<QStringList> maps;
    for (int count = 1; count <= folders; ++count) {
        int total = 1;
        for (int i = 0; i < count; ++i)
            total *= names;
        for (int map = 0; map < total; ++map) {
            QStringList newNames;
            for (int i = 0, rest = map; i < count; ++i, rest /= names)
                newNames.append(MapLetters()[rest % names]);
            maps.push_back(newNames);
        }
    }
    return maps;
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
