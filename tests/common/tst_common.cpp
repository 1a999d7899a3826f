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
};

QTEST_GUILESS_MAIN(TestCommon)
#include "tst_common.moc"
