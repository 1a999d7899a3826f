#include "common/AppInfo.h"
#include "platform/PathJoin.h"

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
        const auto native = [](QString path) {
            return path.replace(u'/', PathSeparator);
        };
        QCOMPARE(JoinPath(native(u"/a"_s), u"b"_s), native(u"/a/b"_s));
        QCOMPARE(JoinPath(native(u"/"_s), u"b"_s), native(u"/b"_s));
        QCOMPARE(JoinPath(native(u"/a"_s), QString()), native(u"/a/"_s));
    }

    // A folder right below a root keeps the root, separator and all, as its parent.
    void splitKeepsTheRoot_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("name");
        if (PathSeparator == u'/') {
            QTest::newRow("below the root") << u"/a"_s << u"/"_s << u"a"_s;
            QTest::newRow("deeper") << u"/a/b"_s << u"/a"_s << u"b"_s;
            QTest::newRow("trailing separators") << u"/a//b//"_s << u"/a"_s << u"b"_s;
            QTest::newRow("the root") << u"/"_s << QString() << QString();
            return;
        }
        QTest::newRow("below a drive") << u"C:\\a"_s << u"C:\\"_s << u"a"_s;
        QTest::newRow("deeper") << u"C:\\a\\b"_s << u"C:\\a"_s << u"b"_s;
        QTest::newRow("below a share")
            << u"\\\\server\\share\\a"_s << u"\\\\server\\share\\"_s << u"a"_s;
        QTest::newRow("trailing separators") << u"C:\\a\\b\\"_s << u"C:\\a"_s << u"b"_s;
        QTest::newRow("a drive") << u"C:\\"_s << QString() << QString();
        QTest::newRow("long form") << u"\\\\?\\C:\\a"_s << u"\\\\?\\C:\\"_s << u"a"_s;
    }
    void splitKeepsTheRoot()
    {
        QFETCH(QString, path);
        QFETCH(QString, parent);
        QFETCH(QString, name);
        QCOMPARE(SplitPath(path), std::make_pair(parent, name));
        if (!path.endsWith(PathSeparator))
            QCOMPARE(JoinPath(parent, name), path);
    }
};

QTEST_GUILESS_MAIN(TestCommon)
#include "tst_common.moc"
