#include "common/AppInfo.h"
#include "common/InterfaceLanguage.h"
#include "common/NameBytes.h"
#include "platform/PathJoin.h"
#include "support/TestMain.h"

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

    // A name's bytes that are not UTF-8 come back whole, and only they show as escapes: the
    // text around them, a four-byte emoji too, stays text, and an overlong form never passes
    // for the character it spells. What cannot be seen is said in words: "sp " and "sp" look
    // alike in the list.
    void namesKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<QString>("unseen");
        QTest::newRow("emoji beside a stray byte")
            << QByteArray("\xf0\x9f\x93\x81\xff") << u"📁\\xFF"_s << QString();
        QTest::newRow("overlong slash")
            << QByteArray("a\xe0\x80\xaf") << u"a\\xE0\\x80\\xAF"_s << QString();
        QTest::newRow("GBK") << QByteArray("\xd6\xd0") << u"\\xD6\\xD0"_s << QString();
        QTest::newRow("a space at the end")
            << QByteArray("sp ") << u"sp "_s << u"名称末尾有 1 个空格"_s;
        QTest::newRow("full-width spaces at the start, a space at the end")
            << QByteArray("\xe3\x80\x80\xe3\x80\x80"
                          "a ")
            << u"\u3000\u3000a "_s << u"名称开头有 2 个全角空格；名称末尾有 1 个空格"_s;
        QTest::newRow("zero-width space and a right-to-left override")
            << QByteArray("a\xe2\x80\x8b\xe2\x80\xae"
                          "b\xe2\x80\x8b")
            << u"a\u200b\u202eb\u200b"_s << u"名称中有 3 个看不见的字符（U+200B、U+202E）"_s;
    }
    void namesKeepTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, visible);
        QFETCH(QString, unseen);
        const QString name = NameFromBytes(bytes);
        QCOMPARE(VisibleName(name), visible);
        QCOMPARE(UnseenCharactersNote(name), unseen);
        QCOMPARE(BytesFromName(name), bytes);
    }

    // The first of the system's languages the program has texts for decides.
    void systemLanguagePicksTheTexts_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<InterfaceLanguage>("language");
        const auto row = [](const char* name, QStringList ui, InterfaceLanguage language) {
            QTest::newRow(name) << ui << language;
        };
        row("Taiwan", {u"zh-TW"_s, u"zh-Hant-TW"_s}, InterfaceLanguage::TraditionalChinese);
        row("Hong Kong", {u"zh-HK"_s}, InterfaceLanguage::TraditionalChinese);
        row("Macau, script first", {u"zh-Hant-MO"_s}, InterfaceLanguage::TraditionalChinese);
        row("Singapore", {u"zh-SG"_s, u"zh-Hans-SG"_s}, InterfaceLanguage::SimplifiedChinese);
        row("Hans in Hong Kong", {u"zh-Hans-HK"_s}, InterfaceLanguage::SimplifiedChinese);
        row("English first", {u"en-GB"_s, u"zh-TW"_s}, InterfaceLanguage::English);
        row("German, then Taiwan", {u"de-DE"_s, u"zh_TW"_s}, InterfaceLanguage::TraditionalChinese);
        row("C locale", {u"C"_s}, InterfaceLanguage::SimplifiedChinese);
    }
    void systemLanguagePicksTheTexts()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(InterfaceLanguage, language);
        QCOMPARE(LanguageForSystem(uiLanguages), language);
    }
};

FBR_TEST_GUILESS_MAIN(TestCommon)
#include "tst_common.moc"
