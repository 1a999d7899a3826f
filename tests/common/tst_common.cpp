#include "common/AppInfo.h"
#include "common/FolderExists.h"
#include "common/PathJoin.h"
#include "platform/PosixFileSystem.h"
#include "support/TestTree.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCommon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleAndVersion()
    {
        QCOMPARE(AppInfo::mainWindowTitle(), u"Morvel文件夹名称批量修改 V1.0"_s);
        QCOMPARE(AppInfo::versionString(), u"1.0.0"_s);
    }

    void joinNeverDoublesTheSeparator()
    {
        QCOMPARE(JoinPath(u"/a"_s, u"b"_s), u"/a/b"_s);
        QCOMPARE(JoinPath(u"/"_s, u"b"_s), u"/b"_s);
        QCOMPARE(JoinPath(u"/a"_s, QString()), u"/a/"_s);
    }

    void folderExistsAnswersForTheFolderAsGiven()
    {
        TestTree tree;
        tree.makeFolders({u"dir/sub"_s, u"目录 二"_s});
        tree.makeFile(u"file"_s);
        QVERIFY(QFile::link(tree.path(u"dir"_s), tree.path(u"link"_s)));
        QVERIFY(QFile::link(tree.path(u"file"_s), tree.path(u"filelink"_s)));
        QVERIFY(QFile::link(tree.path(u"gone"_s), tree.path(u"dangling"_s)));
        PosixFileSystem fs;

        QVERIFY(FolderExists(fs, tree.path(u"dir"_s)));
        QVERIFY(FolderExists(fs, tree.path(u"目录 二"_s)));
        QVERIFY(FolderExists(fs, tree.path(u"link"_s)));
        QVERIFY(FolderExists(fs, tree.path(u"dir"_s) + u"//sub"_s));
        QVERIFY(FolderExists(fs, tree.path(u"dir/"_s)));
        QVERIFY(FolderExists(fs, u"//"_s + tree.root().mid(1)));

        QVERIFY(!FolderExists(fs, tree.path(u"missing"_s)));
        QVERIFY(!FolderExists(fs, tree.path(u"file"_s)));
        QVERIFY(!FolderExists(fs, tree.path(u"filelink"_s)));
        QVERIFY(!FolderExists(fs, tree.path(u"dangling"_s)));
        QVERIFY(!FolderExists(fs, tree.path(u"missing/sub"_s)));
        QVERIFY(!FolderExists(fs, tree.path(u"dir"_s) + QChar(u'\0') + u"x"_s));
        QVERIFY(!FolderExists(fs, tree.path(QString(5000, u'a'))));
        QVERIFY(!FolderExists(fs, QString()));
        QVERIFY(!FolderExists(fs, tree.path(u"DIR"_s))); // this file system tells case apart
    }
};

QTEST_GUILESS_MAIN(TestCommon)
#include "tst_common.moc"
