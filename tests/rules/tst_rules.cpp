#include "common/NameBytes.h"
#include "mainwindow/DirectoryListView.h"
#include "mainwindow/Form1.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"
#include "rows/NaturalNameOrder.h"
#include "rules/FormNames.h"
#include "rules/FormRename.h"
#include "rules/FormRules.h"
#include "rules/RenameRule.h"
#include "rules/RulePresets.h"
#include "rules/SimulateRename.h"
#include "rules/StepList.h"
#include "rules/StepOptions.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

RenameRule append(const QString& text)
{
    RenameRule rule;
    rule.appendText = text;
    return rule;
}

RenameRule prepend(const QString& text)
{
    RenameRule rule;
    rule.kind = RenameRule::Kind::Prepend;
    rule.prependText = text;
    return rule;
}

RenameRule replace(const QString& find, const QString& with)
{
    RenameRule rule;
    rule.kind = RenameRule::Kind::Replace;
    rule.findText = find;
    rule.replaceWith = with;
    return rule;
}

StepList asSteps(const RenameRule& rule)
{
    return StepList(rule.steps());
}

// The folders made in the tree, and their full paths.
QStringList MadeFolders(const TestTree& tree, const QStringList& relatives)
{
    tree.makeFolders(relatives);
    QStringList paths;
    for (const QString& relative : relatives)
        paths << tree.path(relative);
    return paths;
}

// Steps written as in a presets file, with ' for ", for short table rows.
QJsonArray Steps(const char* json)
{
    return QJsonDocument::fromJson(QByteArray(json).replace('\'', '"')).array();
}

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    void designRules_data()
    {
        QTest::addColumn<RenameRule>("rule");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("append") << append(u"_old"_s) << u"Banana"_s << u"Banana_old"_s;
        QTest::newRow("append keeps inner spaces")
            << append(u"  x  "_s) << u"Banana"_s << u"Banana  x"_s;
        QTest::newRow("prepend trims") << prepend(u" new_"_s) << u"Banana"_s << u"new_Banana"_s;
        QTest::newRow("delete ignoring case") << replace(u"A"_s, {}) << u"Banana"_s << u"Bnn"_s;
        QTest::newRow("replace ignoring case")
            << replace(u"an"_s, u"AN"_s) << u"Banana"_s << u"BANANa"_s;
        QTest::newRow("never overlapping") << replace(u"aa"_s, u"b"_s) << u"aaa"_s << u"ba"_s;
        QTest::newRow("never searches what it put in")
            << replace(u"a"_s, u"aa"_s) << u"aba"_s << u"aabaa"_s;
        QTest::newRow("not found") << replace(u"x"_s, u"y"_s) << u"abc"_s << u"abc"_s;
        QTest::newRow("replacement spaces kept inside")
            << replace(u"-"_s, u" - "_s) << u"a-b"_s << u"a - b"_s;
        QTest::newRow("whole name removed") << replace(u"abc"_s, {}) << u"abc"_s << QString();
        QTest::newRow("only U+0020 trimmed") << append(u"\t "_s) << u"\u3000a"_s << u"\u3000a\t"_s;
        QTest::newRow("non-ASCII case") << replace(u"ä"_s, u"ae"_s) << u"BÄR"_s << u"BaeR"_s;
        QTest::newRow("CJK") << replace(u"旧"_s, u"新"_s) << u"旧文件夹旧"_s << u"新文件夹新"_s;
        QTest::newRow("find with spaces, as typed")
            << replace(u" a"_s, u"_"_s) << u"b a a"_s << u"b__"_s;
    }

    void designRules()
    {
        QFETCH(RenameRule, rule);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(StepList(rule.steps()).apply(name, {}).value_or(u"?"_s), expected);
    }

    // The rule as the history and the undo's record name it.
    void designRulesInWords_data()
    {
        QTest::addColumn<RenameRule>("rule");
        QTest::addColumn<QString>("words");
        QTest::newRow("append") << append(u"_旧"_s) << u"在名称后添加“_旧”"_s;
        QTest::newRow("prepend") << prepend(u"新_"_s) << u"在名称前添加“新_”"_s;
        QTest::newRow("delete") << replace(u"副本"_s, {}) << u"删除名称中的“副本”"_s;
        QTest::newRow("replace") << replace(u"a"_s, u"b"_s) << u"把名称中的“a”替换为“b”"_s;
    }
    void designRulesInWords()
    {
        QFETCH(RenameRule, rule);
        QFETCH(QString, words);
        QCOMPARE(asSteps(rule).inWords(), words);
    }

    // The pass over real folders: every row written, verdicts from the disk.
    void simulateRenameWritesEveryRow()
    {
        TestTree tree;
        tree.makeFolders({u"p/a"_s, u"p/b"_s, u"p/a_x"_s, u"p/c"_s});
        tree.makeFile(u"p/b_x"_s);
        NativeFileSystem fs;
        QtPassRunner passes;
        DirectoryListModel rows;
        const QString parent = tree.path(u"p"_s);
        for (const QString& name : {u"a"_s, u"b"_s, u"c"_s, u"gone"_s})
            rows.append(JoinPath(parent, name), parent);
        const QString root = fileSystemRoot();
        rows.append(root, QString()); // a root has no parent
        // A folder just below the root: one separator between them.
        const QString belowRoot = fs.subfolderNames(root)->first();
        rows.append(JoinPath(root, belowRoot), root);
        Propose(rows, 2, u"stale"_s, Verdict{Verdict::Outcome::AlreadyExists, {}});

        QSignalSpy changed(&rows, &DirectoryListModel::dataChanged);
        QVERIFY(SimulateRename(rows, fs, AppendRule(u"_x"_s), passes));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(rows.row(0).newName, u"a_x"_s);
        QCOMPARE(rows.row(0).verdictText(), u"有相同目录"_s);
        QCOMPARE(rows.row(1).verdictText(), u"有同名文件"_s); // the batch could not replace it
        QCOMPARE(rows.row(2).newName, u"c_x"_s);
        QCOMPARE(rows.row(2).verdictText(), u"可以修改"_s);
        QCOMPARE(rows.row(3).verdictText(), u"可以修改"_s); // the source is never tested
        QCOMPARE(rows.row(4).verdictText(), u"根目录不能修改"_s);
        QCOMPARE(rows.row(5).verdictText(), u"可以修改"_s);
        QVERIFY(SimulateRename(rows, fs, asSteps(replace(u"zz"_s, u"y"_s)), passes));
        QCOMPARE(rows.row(5).verdictText(), u"目录名称一样"_s);

        // Each pass starts from name, not from the previous newName.
        QVERIFY(SimulateRename(rows, fs, AppendRule(u"_x"_s), passes));
        QCOMPARE(rows.row(0).newName, u"a_x"_s);

        // A list of one row is repainted too.
        DirectoryListModel one;
        one.append(tree.path(u"c"_s), tree.root());
        QSignalSpy oneChanged(&one, &DirectoryListModel::dataChanged);
        QVERIFY(SimulateRename(one, fs, AppendRule(u"_x"_s), passes));
        QCOMPARE(oneChanged.size(), 1);

        // An unchanged name is said so, as the batch will; a name no folder can have is said so
        // first.
        QVERIFY(SimulateRename(rows, fs, asSteps(replace(u"zz"_s, u"y"_s)), passes));
        QCOMPARE(rows.row(0).verdictText(), u"目录名称一样"_s);
        for (const QString& invalid : {QString(), u".."_s, u"."_s, u"b/y"_s, QString(256, u'n')}) {
            QVERIFY(SimulateRename(rows, fs, asSteps(replace(u"a"_s, invalid)), passes));
            QCOMPARE(rows.row(0).newName, invalid);
            // In the batch's words where it names the cause.
            QCOMPARE(rows.row(0).verdictText(),
                     invalid.size() > 255 ? u"新名称太长"_s : u"新名称无效"_s);
        }
        // A case-only change is a new name where the file system tells case apart; on Windows it
        // is the same name, as the batch will find.
        QVERIFY(SimulateRename(rows, fs, asSteps(replace(u"a"_s, u"A"_s)), passes));
        QCOMPARE(rows.row(0).verdictText(), OnWindows() ? u"目录名称一样"_s : u"可以修改"_s);
        // A pattern that would backtrack without end gives up on the name, and says so.
        DirectoryListModel backtracking;
        const QString name = QString(40, u'a') + u"b"_s;
        backtracking.append(tree.path(name), tree.root());
        QVERIFY(SimulateRename(backtracking, fs,
                               StepList(Steps("[{'step':'regex','pattern':'(a+)+$'}]")), passes));
        QCOMPARE(backtracking.row(0).newName, name);
        QCOMPARE(backtracking.row(0).verdictText(), u"规则太复杂，无法计算这个名称"_s);
    }

    void blankRuleTextChangesNothing()
    {
        QVERIFY(append(u"   "_s).isBlank());
        QVERIFY(prepend(QString()).isBlank());
        QVERIFY(replace(u" "_s, u"x"_s).isBlank());
        // Only the selected rule's text is tested; an empty replacement is valid.
        RenameRule rule = prepend(u"x"_s);
        rule.appendText = u"  "_s;
        QVERIFY(!rule.isBlank());
        NativeFileSystem fs;
        QtPassRunner passes;
        DirectoryListModel rows;
        rows.append(u"/tmp"_s, u"/"_s);
        QVERIFY(!replace(u"t"_s, {}).isBlank());
        QVERIFY(SimulateRename(rows, fs, asSteps(replace(u"t"_s, {})), passes));
        QCOMPARE(rows.row(0).newName, u"mp"_s);
    }

    void dialogStartsFreshAndClosesAfterAPass()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s});
        TestPlatform test;
        Form1 window(test.platform);
        window.rows().append(tree.path(u"a"_s), tree.root());

        FormRename dialog(&window, window.rows(), test.fileSystem, test.passes);
        QCOMPARE(dialog.windowTitle(), u"模拟修改目录名称"_s);
        QVERIFY(FindChild<QRadioButton>(dialog, u"Option1"_s)->isChecked());
        QCOMPARE(FindChild<QRadioButton>(dialog, u"Option3"_s)->text(),
                 u"目录名称中字符："_s + QString(20, u' ') + u"替换为："_s);
        for (const QString& name : {u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s}) {
            auto* text = FindChild<QLineEdit>(dialog, name);
            QVERIFY(text->text().isEmpty());
            QVERIFY(!text->accessibleName().isEmpty());
        }
        QCOMPARE(dialog.size(), QSize(453, 180));
        auto* command1 = FindChild<QPushButton>(dialog, u"Command1"_s);
        QVERIFY(!command1->isDefault() && !command1->autoDefault());

        QVERIFY(ShowActive(dialog));
        // Blank text: the dialog stays open.
        QTest::mouseClick(command1, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        // Esc does not close it either: there is no cancel button.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());

        QTest::keyClicks(FindChild<QLineEdit>(dialog, u"Text1"_s), u"_x"_s);
        FindChild<QLineEdit>(dialog, u"Text1"_s)->insert(u"新"_s);
        QTest::mouseClick(command1, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(window.rows().row(0).newName, u"a_x新"_s);
        QCOMPARE(window.rows().row(0).verdictText(), u"可以修改"_s);
    }

    // A click into a box selects its rule; the keyboard does not.
    void clickIntoATextBoxSelectsItsRule()
    {
        TestPlatform test;
        Form1 window(test.platform);
        FormRename dialog(&window, window.rows(), test.fileSystem, test.passes);
        QVERIFY(ShowActive(dialog));
        auto* option1 = FindChild<QRadioButton>(dialog, u"Option1"_s);
        auto* option2 = FindChild<QRadioButton>(dialog, u"Option2"_s);
        auto* option3 = FindChild<QRadioButton>(dialog, u"Option3"_s);

        QTest::mouseClick(FindChild<QLineEdit>(dialog, u"Text4"_s), Qt::LeftButton);
        QVERIFY(option3->isChecked());
        QTest::mouseClick(FindChild<QLineEdit>(dialog, u"Text2"_s), Qt::LeftButton);
        QVERIFY(option2->isChecked());
        QTest::mouseClick(FindChild<QLineEdit>(dialog, u"Text3"_s), Qt::LeftButton);
        QVERIFY(option3->isChecked());

        option1->setFocus();
        option1->setChecked(true);
        // Tab order: Option1, Text1, Option2, Text2, Option3, Text3, Text4, Command1, Command2;
        // Tab enters the group of options only at the selected one.
        const QStringList order{u"Text1"_s, u"Text2"_s,    u"Text3"_s,
                                u"Text4"_s, u"Command1"_s, u"Command2"_s};
        for (const QString& name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
        QTest::keyClicks(FindChild<QLineEdit>(dialog, u"Text3"_s), u"abc"_s);
        QVERIFY(option1->isChecked());
        QCOMPARE(dialog.rule().kind, RenameRule::Kind::Append);
    }

    void ruleSteps_data()
    {
        QTest::addColumn<QJsonArray>("steps");
        QTest::addColumn<QString>("name");
        // In a list of ten rows, in folders of four, whose longest number has three digits, of
        // a folder modified at noon on 5 March 2024 (UTC) whose creation time is not kept.
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const char* steps, const QString& name, int position,
                            const QString& expected) {
            QTest::newRow(tag) << Steps(steps) << name << position << expected;
        };
        const char* number = "[{'step':'number','start':1,'increment':1,'separator':'_'}]";
        row("ninth of ten padded to the tenth's width", number, u"a"_s, 8, u"a_09"_s);
        row("tenth of ten", number, u"a"_s, 9, u"a_10"_s);
        row("ten from zero need one digit",
            "[{'step':'number','start':0,'increment':1,'separator':''}]", u"a"_s, 9, u"a9"_s);
        row("negative step below zero",
            "[{'step':'number','start':10,'increment':-5,'place':'before','separator':' '}]",
            u"a"_s, 3, u"-05 a"_s);
        row("a preset's width beyond the dialog's",
            "[{'step':'number','start':1,'width':99,'separator':''}]", u"a"_s, 0,
            u"a"_s + QString(19, u'0') + u"1"_s);
        row("fixed width", "[{'step':'number','start':7,'increment':1,'width':4,'separator':''}]",
            u"a"_s, 0, u"a0007"_s);
        row("numbered inside the name", "[{'step':'number','start':3,'place':'end','offset':1}]",
            u"第集"_s, 0, u"第03集"_s);
        row("numbers in the name padded", "[{'step':'pad','width':2}]", u"第1集 S1E12 ９ 100"_s, 0,
            u"第01集 S01E12 ９ 100"_s);
        row("numbers padded to the list's longest", "[{'step':'pad','width':0}]", u"第1集 12"_s, 0,
            u"第001集 012"_s);
        row("modified date after the name", "[{'step':'date'}]", u"a"_s, 0, u"a_2024-03-05"_s);
        row("date in Chinese, inside the name",
            "[{'step':'date','format':'yyyy年M月','place':'start','offset':1}]", u"ab"_s, 0,
            u"a2024年3月b"_s);
        row("no creation time kept", "[{'step':'date','time':'created'}]", u"a"_s, 0, u"a"_s);
        row("numbered per folder", "[{'step':'number','start':1,'increment':1,'perParent':true}]",
            u"a"_s, 5, u"a_2"_s);
        row("at a position from the end", "[{'step':'add','text':'-','place':'end','offset':2}]",
            u"abcde"_s, 0, u"abc-de"_s);
        row("before, then trimmed", "[{'step':'add','text':' x-','place':'before'}]", u"a"_s, 0,
            u"x-a"_s);
        row("position past the start", "[{'step':'add','text':'-','place':'start','offset':9}]",
            u"ab"_s, 0, u"ab-"_s);
        row("exact case", "[{'step':'replace','find':'A','replaceWith':'x','exactCase':true}]",
            u"Aa"_s, 0, u"xa"_s);
        row("nested brackets", "[{'step':'remove','brackets':'('}]", u"a(b(c)d)e"_s, 0, u"ae"_s);
        row("unclosed bracket kept", "[{'step':'remove','brackets':'【('}]", u"a【b(c"_s, 0,
            u"a【b(c"_s);
        row("unchosen brackets kept", "[{'step':'remove','brackets':'【'}]", u"【x】(y)"_s, 0,
            u"(y)"_s);
        row("full-width spaces at both ends", "[{'step':'remove','trim':true}]",
            u"\u3000 a\u3000b \u3000"_s, 0, u"a\u3000b"_s);
        row("first and last", "[{'step':'remove','first':2,'last':5}]", u"abc"_s, 0, QString());
        row("brackets alone, their text kept",
            "[{'step':'remove','brackets':'【《','bracketText':'bracketsOnly'}]",
            u"【旅行】台灣《三體》"_s, 0, u"旅行台灣三體"_s);
        row("no double space where brackets stood",
            "[{'step':'remove','brackets':'【(','trim':false}]", u"03 【港】 电影 (2)"_s, 0,
            u"03 电影"_s);
        row("no double space where deleted text stood", "[{'step':'replace','find':'HD'}]",
            u"HD 电影  HD 2019 HD"_s, 0, u"电影 2019"_s);
        row("full width to half, stand-ins kept", "[{'step':'halfWidth'}]",
            u"ＡＢ１２！\u3000x：？"_s, 0, u"AB12! x：？"_s);
        row("traditional to simplified", "[{'step':'chinese','to':'simplified'}]", u"頭髮設計"_s, 0,
            u"头发设计"_s);
        row("simplified to traditional by phrase", "[{'step':'chinese','to':'traditional'}]",
            u"头发"_s, 0, u"頭髮"_s);
        row("nothing to convert", "[{'step':'chinese','to':'simplified'}]", u"abc 1"_s, 0,
            u"abc 1"_s);
        row("Chinese numerals after 第, before a counter or alone", "[{'step':'numerals'}]",
            u"第十二集 二〇一九年 一百零五 九"_s, 0, u"第12集 2019年 105 9"_s);
        row("Chinese numerals inside words stay", "[{'step':'numerals'}]",
            u"一些 统一 十分 三体 百度"_s, 0, u"一些 统一 十分 三体 百度"_s);
        row("digits in Chinese numerals", "[{'step':'numerals','to':'chinese'}]",
            u"第12集 105 10010 0 100000005"_s, 0, u"第十二集 一百零五 一万零一十 零 一亿零五"_s);
        row("digits in capitals", "[{'step':'numerals','to':'chinese','capitals':true}]", u"12"_s,
            0, u"壹拾贰"_s);
        row("pinyin by phrase", "[{'step':'pinyin'}]", u"重庆火锅 银行 长城 音乐"_s, 0,
            u"chongqinghuoguo yinhang changcheng yinyue"_s);
        row("pinyin initials in capitals", "[{'step':'pinyin','style':'initials','capitals':true}]",
            u"重庆火锅"_s, 0, u"CQHG"_s);
        row("pinyin with tones, other characters kept",
            "[{'step':'pinyin','style':'toned','separator':'space'}]",
            u"绿色 2019_A 還錢 六-走-水"_s, 0, u"lǜ sè 2019_A huán qián liù-zǒu-shuǐ"_s);
        row("pinyin syllables apart, capitalised",
            "[{'step':'pinyin','separator':'hyphen','capitals':true}]", u"重新"_s, 0,
            u"Chong-Xin"_s);
        row("each word's first letter", "[{'step':'case','to':'words'}]", u"hELLO wORLD-x"_s, 0,
            u"Hello World-X"_s);
        row("upper case", "[{'step':'case','to':'upper'}]", u"aB 1ü"_s, 0, u"AB 1Ü"_s);
        row("apostrophe inside a word", "[{'step':'case','to':'words'}]", u"don't stop"_s, 0,
            u"Don't Stop"_s);
        row("capture groups",
            "[{'step':'regex','pattern':'(\\\\d+)-(\\\\w+)','replaceWith':'$2_\\\\1'}]", u"12-ab"_s,
            0, u"ab_12"_s);
        row("no double space where a pattern deleted text",
            "[{'step':'regex','pattern':'HD|1080P'}]", u"电影 HD 2019 1080P"_s, 0, u"电影 2019"_s);
        row("pattern in exact case",
            "[{'step':'regex','pattern':'a','replaceWith':'x','exactCase':true}]", u"Aab"_s, 0,
            u"Axb"_s);
        row("one group, then a digit", "[{'step':'regex','pattern':'(a)','replaceWith':'\\\\12'}]",
            u"ab"_s, 0, u"a2b"_s);
        row("a pattern that backtracks without end", "[{'step':'regex','pattern':'(a+)+$'}]",
            QString(40, u'a') + u"b"_s, 0, u"?"_s);
        row("invalid pattern changes nothing",
            "[{'step':'regex','pattern':'(a','replaceWith':'x'}]", u"(a"_s, 0, u"(a"_s);
        if (!OnWindows()) // where names are bytes
            row("GBK bytes", "[{'step':'encoding'}]", NameFromBytes("\xd6\xd0\xce\xc4"), 0,
                u"中文"_s);
        row("UTF-8 name stays", "[{'step':'encoding'}]", u"中文"_s, 0, u"中文"_s);
        row("steps in order",
            "[{'step':'halfWidth'},{'step':'replace','find':'1','replaceWith':'一'}]", u"１1"_s, 0,
            u"一一"_s);
    }

    // The shipped presets over names as downloaded folders have them.
    void shippedPresetsCleanDownloadedNames_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const QString& preset, const QString& name,
                            const QString& expected) {
            QTest::newRow(tag) << preset << name << expected;
        };
        const QString sites = u"去除网址标记"_s;
        row("site first", sites, u"【www.example.com】电影 2019"_s, u"电影 2019"_s);
        row("site word and address", sites, u"[电影天堂www.dy2018.com]流浪地球.2019"_s,
            u"流浪地球.2019"_s);
        row("site inside", sites, u"三体 【更多资源 BBS.abc.cn】 第1季"_s, u"三体 第1季"_s);
        row("a year is no site", sites, u"阳光电影 (2019)"_s, u"阳光电影 (2019)"_s);
        const QString quality = u"去除画质标记"_s;
        row("quality last", quality, u"流浪地球 [1080p]"_s, u"流浪地球"_s);
        row("quality inside", quality, u"漫长的季节「高清」第1集"_s, u"漫长的季节 第1集"_s);
        row("several quality words", quality, u"(BD1080P中字)沙丘"_s, u"沙丘"_s);
        row("a year is no quality", quality, u"名侦探柯南 (1997)"_s, u"名侦探柯南 (1997)"_s);
        row("spaces", u"整理空格"_s, u"电影\u3000 2019  ( 国语 )"_s, u"电影 2019 (国语)"_s);
    }
    void shippedPresetsCleanDownloadedNames()
    {
        QFETCH(QString, preset);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const auto& shipped = RulePresets::builtIn();
        const auto found = std::find_if(shipped.begin(), shipped.end(),
                                        [&](const auto& p) { return p.first == preset; });
        QVERIFY(found != shipped.end());
        QCOMPARE(StepList(found->second).apply(name, {}), expected);
    }

    void ruleSteps()
    {
        QFETCH(QJsonArray, steps);
        QFETCH(QString, name);
        QFETCH(int, position);
        QFETCH(QString, expected);
        const StepList list(steps);
        QCOMPARE(list.isEmpty(), false);
        // "?": the step cannot work the name out.
        const qint64 modified =
            QDateTime(QDate(2024, 3, 5), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();
        QCOMPARE(list.apply(name, NameContext{position, position % 4, 10, 4, 3, modified})
                     .value_or(u"?"_s),
                 expected);
        // Only a broken pattern stops the preview, with a reason to show that names its step.
        const bool broken = QByteArray(QTest::currentDataTag()).startsWith("invalid");
        QCOMPARE(list.problem().isEmpty(), !broken);
        QCOMPARE(list.problem().startsWith(u"第 1 步：正则表达式有误"_s), broken);
    }

    // Each kind made from a new step's settings runs, and its options page gives back what it
    // shows: a setting read under another key than its kind describes fails here.
    void everyKindRunsFromANewStep()
    {
        for (const RuleStepKind& kind : RuleStepKinds()) {
            const std::unique_ptr<RuleStep> step = MakeRuleStep(kind.newStep());
            QVERIFY(step);
            QVERIFY(!step->apply(u"a b"_s, {}).value_or(QString()).isEmpty());
            QVERIFY(!step->inWords().isEmpty());
            StepOptions page(kind);
            page.showSettings(kind.newStep());
            QCOMPARE(page.settings(), kind.newStep());
        }
        // A new 删除 step takes the spaces at both ends.
        QCOMPARE(MakeRuleStep(FindRuleStepKind(u"remove")->newStep())->apply(u" a "_s, {}), u"a"_s);
        // A preset's negative step shows, and stays, as it is.
        StepOptions numbers(*FindRuleStepKind(u"number"));
        numbers.showSettings({{u"step"_s, u"number"_s}, {u"increment"_s, -5}});
        QCOMPARE(numbers.settings()[u"increment"].toInt(), -5);
        // A bracket ticked on the page is removed with what it holds.
        StepOptions removal(*FindRuleStepKind(u"remove"));
        FindChild<QCheckBox>(removal, u"bracket【"_s)->setChecked(true);
        QCOMPARE(MakeRuleStep(removal.settings())->apply(u"a【b】c"_s, {}), u"ac"_s);
    }

    // Names as a person orders them, by the system's collation and by the program's own.
    void naturalOrder()
    {
        const QStringList ordered{u"2"_s, u"１０"_s, u"a2"_s, u"A10"_s, u"b"_s};
        const NaturalNameOrder order;
        QVERIFY(order.systemCollation() || OnWindows()); // Linux's Qt collates through ICU
        for (qsizetype i = 1; i < ordered.size(); ++i) {
            QVERIFY2(order.compare(ordered[i - 1], ordered[i]) < 0, qPrintable(ordered[i]));
            QVERIFY2(CompareNaturally(ordered[i - 1], ordered[i]) < 0, qPrintable(ordered[i]));
        }
        // Chinese numerals by the numbers they write, beside digits; 百 and 千 alone are words.
        const QStringList episodes{u"二〇一九"_s, u"2020"_s,         u"百度"_s,         u"第2集"_s,
                                   u"第九集"_s,   u"第十集"_s,       u"第十一集"_s,     u"第12集"_s,
                                   u"第二十集"_s, u"第一百零五集"_s, u"第一千零十集"_s, u"千寻"_s};
        std::vector<QString> shuffled(episodes.rbegin(), episodes.rend());
        QStringList sortedEpisodes;
        for (const int position : order.sortedPositions(shuffled))
            sortedEpisodes << shuffled[size_t(position)];
        QCOMPARE(sortedEpisodes, episodes);
        // Chinese by pinyin (a, b, z) either way.
        QVERIFY(order.compare(u"阿"_s, u"北"_s) < 0 && order.compare(u"北"_s, u"中"_s) < 0);
        QVERIFY(CompareNaturally(u"阿"_s, u"北"_s) < 0 && CompareNaturally(u"北"_s, u"中"_s) < 0);
        // A listing of ASCII names, sorted by the program's own keys, in the collator's order.
        std::vector<QString> names;
        QRandomGenerator random(7);
        for (int i = 0; i < 3000; ++i) {
            // Every other name long, beginning alike, so that the ends decide.
            QString name = i % 2 ? u"a-Long_long name 00"_s : QString();
            for (int length = random.bounded(1, 7); length > 0; --length)
                name += QLatin1Char("aB0019 -_.~$"[random.bounded(12)]);
            names.push_back(name);
        }
        const std::vector<int> sorted = order.sortedPositions(names);
        for (size_t i = 1; order.systemCollation() && i < sorted.size(); ++i) {
            const int c = order.compare(names[size_t(sorted[i - 1])], names[size_t(sorted[i])]);
            QVERIFY2(c < 0 || (c == 0 && sorted[i - 1] < sorted[i]),
                     qPrintable(names[size_t(sorted[i])]));
        }
        // A large folder's names, sorted in batches as they are read, come out in the same
        // order; so do they when a later batch holds a Chinese name.
        for (const bool chineseLater : {false, true}) {
            NaturalNameSorter sorter;
            for (size_t first = 0; first < names.size(); first += 1 + first % 700) {
                const size_t last = std::min(names.size(), first + 1 + first % 700);
                if (chineseLater && first > 2000)
                    names[first] = u"阿"_s;
                NameList batch;
                for (size_t i = first; i < last; ++i)
                    batch.append(QStringView(names[i]));
                sorter.add(std::move(batch));
            }
            QCOMPARE(sorter.finish(), order.sortedPositions(names));
            // Each position still names its own folder, across the batches' texts.
            const NameList kept = sorter.takeNames();
            QCOMPARE(kept.toStringList(), QStringList(names.begin(), names.end()));
        }
    }

    // Numbers per folder over real rows: each folder's first row gets the start, and every
    // number is as wide as the largest folder's last.
    void numbersEachFolderOnItsOwn()
    {
        TestTree tree;
        QStringList folders;
        for (int i = 0; i < 10; ++i)
            folders << u"p/d%1"_s.arg(i);
        const QStringList paths = MadeFolders(tree, folders << u"q/a"_s);
        TestPlatform test;
        Form1 window(test.platform);
        window.addFolders(paths);
        const StepList steps(Steps("[{'step':'number','perParent':true,'separator':'_'}]"));
        QVERIFY(SimulateRename(window.rows(), test.fileSystem, steps, test.passes));
        QCOMPARE(window.rows().row(0).newName, u"d0_01"_s);
        QCOMPARE(window.rows().row(9).newName, u"d9_10"_s);
        QCOMPARE(window.rows().row(10).newName, u"a_01"_s);
    }

    // Each order over folders of several parents, added out of order; the batch's outcomes
    // stay with their rows.
    void sortingKeepsOutcomes_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("by name, then folder")
            << int(RowOrder::ByName) << false
            << QStringList{u"p/a"_s, u"q/a"_s, u"p/b"_s, u"r/gone"_s};
        QTest::newRow("by addition, after a sort by name")
            << int(RowOrder::ByAddition) << false
            << QStringList{u"q/a"_s, u"r/gone"_s, u"p/b"_s, u"p/a"_s};
        QTest::newRow("oldest first, a time that cannot be read last")
            << int(RowOrder::ByModified) << false
            << QStringList{u"q/a"_s, u"p/b"_s, u"p/a"_s, u"r/gone"_s};
        QTest::newRow("newest first, a time that cannot be read still last")
            << int(RowOrder::ByModified) << true
            << QStringList{u"p/a"_s, u"p/b"_s, u"q/a"_s, u"r/gone"_s};
    }
    void sortingKeepsOutcomes()
    {
        QFETCH(int, order);
        QFETCH(bool, descending);
        QFETCH(QStringList, expected);
        using Outcome = Verdict::Outcome;
        TestTree tree;
        const QStringList added{u"q/a"_s, u"r/gone"_s, u"p/b"_s, u"p/a"_s};
        QStringList paths;
        for (const QString& folder : added) {
            tree.makeFolders({folder}); // each modified after the one before
            paths << tree.path(folder);
            QTest::qWait(20);
        }
        TestPlatform test;
        Form1 window(test.platform);
        window.addFolders(paths);
        QVERIFY(QDir(tree.path(u"r/gone"_s)).removeRecursively());
        const QList<Outcome> outcomes{Outcome::Renamed, Outcome::CanRename, Outcome::Failed,
                                      Outcome::Undone};
        for (int i = 0; i < outcomes.size(); ++i)
            Propose(window.rows(), i, u"x"_s, Verdict{outcomes[i], {}});
        window.sortRows(RowOrder::ByName);
        if (descending)
            FindChild<QAction>(window, u"menu降序"_s)->trigger();
        window.sortRows(RowOrder(order));
        // The menu marks the order and direction the list is in.
        QVERIFY(
            FindChild<QAction>(window, descending ? u"menu降序"_s : u"menu升序"_s)->isChecked());
        QCOMPARE(FindChild<QAction>(window, u"menu按修改时间"_s)->isChecked(),
                 order == int(RowOrder::ByModified));
        QStringList sorted;
        for (int i = 0; i < window.rows().count(); ++i) {
            const DirectoryRow& row = window.rows().row(i);
            const QString folder = added[paths.indexOf(row.key)];
            sorted << folder;
            // A proposal is gone with the order it was made for; an outcome stays.
            const Outcome before = outcomes[added.indexOf(folder)];
            QCOMPARE(row.verdict.outcome, before == Outcome::CanRename ? Outcome::None : before);
        }
        QCOMPARE(sorted, expected);
    }

    // A thousand folders added in reverse, put in name order and numbered in that order, as
    // the batch then renames them.
    void numbersAThousandFoldersInNameOrder()
    {
        TestTree tree;
        QStringList folders;
        for (int i = 1000; i >= 1; --i)
            folders << u"第%1集"_s.arg(i);
        const QStringList paths = MadeFolders(tree, folders);
        TestPlatform test;
        Form1 window(test.platform);
        window.addFolders(paths);
        window.sortRows(RowOrder::ByName);
        const StepList steps(
            Steps("[{'step':'number','place':'before','separator':' ','start':1,'increment':1}]"));
        QCOMPARE(SimulateRename(window.rows(), test.fileSystem, steps, test.passes),
                 PassEnd::Completed);
        for (int i = 0; i < window.rows().count(); ++i)
            QCOMPARE(window.rows().row(i).newName,
                     u"%1 第%2集"_s.arg(i + 1, 4, 10, QChar(u'0')).arg(i + 1));
        window.confirmRename();
        QVERIFY(tree.entries().contains(u"0999 第999集"_s));
    }

    // The dialog as a user meets it: steps added and typed into, a table that follows, a preset
    // saved and applied, and a preview of the whole list in the order chosen.
    // New names typed into the name editor's cells (Enter goes down a row) or written on its
    // text page, a line a row: the dialog's verdicts as the names alone give them, then the
    // batch planned from them on a real tree, and its undo.
    void nameEditorTypedAndPastedNames_data()
    {
        QTest::addColumn<QStringList>("typed"); // by row, in the cells; empty: left alone
        QTest::addColumn<QString>(
            "text"); // instead, the text page's ("editor:" the user's editor's)
        QTest::addColumn<QByteArray>("csv"); // or a file imported ({p}: p's path), "export"
        QTest::addColumn<QStringList>("verdicts");
        QTest::addColumn<QStringList>("after"); // the folders in p after the batch
        QTest::addColumn<QString>("problem");   // what the dialog says ({p}: p's path)
        const QString can = u"可以修改"_s;
        const QString same = u"目录名称一样"_s;
        const QStringList unchanged{u"a"_s, u"b"_s};
        const auto row = [](const char* name, QStringList typed, QString text,
                            QByteArray csv) -> QTestData& {
            return QTest::newRow(name) << typed << text << csv;
        };
        row("a cell edited", {u"c"_s, {}}, {}, {})
            << QStringList{can, same} << QStringList{u"b"_s, u"c"_s} << QString();
        row("a swap typed by hand", {u"b"_s, u"a"_s}, {}, {})
            << QStringList{can, can} << unchanged << QString();
        row("a column pasted from a spreadsheet", {}, u"甲\r\n乙\r\n"_s, {})
            << QStringList{can, can} << QStringList{u"乙"_s, u"甲"_s} << QString();
        row("lines written in the user's editor", {}, u"editor:d\ne"_s, {})
            << QStringList{can, can} << QStringList{u"d"_s, u"e"_s} << QString();
        row("two rows onto one name", {}, u"z\nz"_s, {})
            << QStringList{u"有相同目录"_s, u"有相同目录"_s}
            << QStringList{u"b"_s, u"z"_s} // the preview gives the name to the first
            << QString();
        row("a line too few", {}, u"x"_s, {})
            << QStringList{same, same} << unchanged
            << u"文本有 1 行，要修改的目录有 2 个：行数不同，新名称没有改变。"_s;
        row("the list exported and imported back", {}, {}, "export")
            << QStringList{same, same} << unchanged << QString();
        row("a CSV in UTF-8 with a byte-order mark", {}, {},
            "\xEF\xBB\xBF路径,原名称,新名称\r\n{p}/a,a,报告\r\n{p}/b,b,相册\r\n")
            << QStringList{can, can} << QStringList{u"报告"_s, u"相册"_s} << QString();
        row("a CSV Excel saved as GBK", {}, {},
            "\xC2\xB7\xBE\xB6,\xD4\xAD\xC3\xFB\xB3\xC6,\xD0\xC2\xC3\xFB\xB3\xC6\r\n"
            "{p}/a,a,\xB1\xA8\xB8\xE6\r\n")
            << QStringList{can, same} << QStringList{u"b"_s, u"报告"_s} << QString();
        row("quoted fields: a comma, a doubled quote, a line break", {}, {},
            "{p}/b,\"b \"\"old\"\"\r\nname\",\"x, y\"")
            << QStringList{same, can} << QStringList{u"a"_s, u"x, y"_s} << QString();
        row("a path not listed", {}, {}, "{p}/a,a,c\n{p}/gone,gone,d\n")
            << QStringList{can, same} << QStringList{u"b"_s, u"c"_s}
            << u"已导入 1 个新名称；1 个路径不在这里的目录中，没有导入：{p}/gone"_s;
        row("a CSV in Big5, read as GBK, then in the encoding the user picks", {}, {},
            "Big5:{p}/a,a,\xB3\xF8\xA7\x69\r\n")
            << QStringList{can, same} << QStringList{u"b"_s, u"報告"_s} << QString();
        row("a folder replaced since it was listed", {}, {}, "replaced:{p}/a,a,c\n")
            << QStringList{can, same} << QStringList{u"a"_s, u"b"_s, u"old"_s} << QString();
        row("a quote left open", {}, {}, "{p}/a,a,\"c")
            << QStringList{same, same} << unchanged
            << u"无法读取“names.csv”：它不是 UTF-8 或 GB18030 编码的 CSV 文件。"_s;
    }
    void nameEditorTypedAndPastedNames()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, text);
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, verdicts);
        QFETCH(QStringList, after);
        QFETCH(QString, problem);
        TestTree tree;
        TestPlatform test;
        Form1 window(test.platform);
        window.addFolders(MadeFolders(tree, {u"p/a"_s, u"p/b"_s}));
        const QString p = VisibleName(window.rows().row(0).parent);
        problem.replace(u"{p}"_s, p);
        // What happens around the import: a folder replaced before, an encoding picked after.
        const QByteArray around = csv.contains(':') ? csv.left(csv.indexOf(':')) : QByteArray();
        csv.remove(0, around.isEmpty() ? 0 : around.size() + 1);
        {
            FormNames dialog(&window, window.rows(), NameEdits::tableOf(window.rows(), {0, 1}),
                             test.fileSystem, test.passes, test.settings, test.shell);
            QVERIFY(ShowActive(dialog));
            auto* table = FindChild<QTableView>(dialog, u"tableNames"_s);
            table->setCurrentIndex(table->model()->index(0, 1));
            for (const QString& name : typed) {
                if (name.isEmpty())
                    continue;
                QTest::keyClicks(table, name); // the first key opens the cell
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QCoreApplication::processEvents(); // the cell takes the name once back in the loop
            }
            auto* tabs = FindChild<QTabWidget>(dialog, u"tabPages"_s);
            if (text.startsWith(u"editor:"_s)) {
                tabs->setCurrentIndex(1);
                QTest::mouseClick(FindChild<QPushButton>(dialog, u"buttonOutside"_s),
                                  Qt::LeftButton);
                QCOMPARE(test.shell.openedPaths.size(), 1);
                QFile edited(test.shell.openedPaths.first());
                QVERIFY(edited.open(QIODevice::ReadOnly));
                QCOMPARE(edited.readAll(), "a\nb"); // what the page held
                edited.close();
                QTest::qWait(20); // a later time of change than the dialog's own write
                QVERIFY(edited.open(QIODevice::WriteOnly | QIODevice::Truncate));
                edited.write(text.mid(7).toUtf8());
                edited.close();
                QEvent back(QEvent::WindowActivate);
                QCoreApplication::sendEvent(&dialog, &back);
                tabs->setCurrentIndex(0);
            } else if (!text.isNull()) {
                tabs->setCurrentIndex(1);
                FindChild<QPlainTextEdit>(dialog, u"textNames"_s)->setPlainText(text);
                tabs->setCurrentIndex(0);
            }
            const QString file = tree.path(u"names.csv"_s);
            if (around == "replaced") {
                QVERIFY(QDir().rename(tree.path(u"p/a"_s), tree.path(u"p/old"_s)));
                tree.makeFolders({u"p/a"_s});
            }
            if (csv == "export") {
                QVERIFY(window.exportList(file));
                dialog.importFile(file);
            } else if (!csv.isEmpty()) {
                tree.makeFile(u"names.csv"_s);
                QFile written(file);
                QVERIFY(written.open(QIODevice::WriteOnly));
                written.write(csv.replace("{p}", p.toUtf8()));
                written.close();
                dialog.importFile(file);
            }
            if (around == "Big5")
                QTest::keyClick(FindChild<QComboBox>(dialog, u"comboEncoding"_s), Qt::Key_Down);
            QStringList verdictsShown;
            for (int row = 0; row < table->model()->rowCount(); ++row)
                verdictsShown.append(table->model()->index(row, 2).data().toString());
            QCOMPARE(verdictsShown, verdicts);
            auto* said = FindChild<QLabel>(dialog, u"labelProblem"_s);
            QCOMPARE(said->isVisible() ? said->text() : QString(), problem);
            if (tabs->currentIndex() == 1)
                return; // refused: nothing of the text was applied
            QTest::mouseClick(FindChild<QPushButton>(dialog, u"Command1"_s), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }
        window.confirmRename();
        QCOMPARE(tree.entries(u"p"_s), after);
        window.undoRename();
        QCOMPARE(tree.entries(u"p"_s),
                 (around == "replaced" ? after : QStringList{u"a"_s, u"b"_s}));
    }

    void rulesDialogPreviewsAsTheUserTypes()
    {
        TestTree tree;
        tree.makeFolders({u"p/b2"_s, u"p/b10"_s, u"p/a"_s});
        TestPlatform test;
        Form1 window(test.platform);
        window.addFolders({tree.path(u"p/b10"_s), tree.path(u"p/b2"_s), tree.path(u"p/a"_s)});
        Propose(window.rows(), 0, u"stale"_s);
        const QAbstractItemModelTester contract(&window.rows());
        QItemSelectionModel& selection = *window.listView().selectionModel();
        selection.select(window.rows().index(0, 0), QItemSelectionModel::Select);
        window.sortRows(RowOrder::ByName);
        QCOMPARE(KeysOf(window.rows()),
                 (QStringList{tree.path(u"p/a"_s), tree.path(u"p/b2"_s), tree.path(u"p/b10"_s)}));
        QCOMPARE(window.rows().row(2).verdictText(), QString());  // the order's proposal is gone
        QVERIFY(selection.isSelected(window.rows().index(2, 0))); // the selection follows its row

        FormRules dialog(&window, window.rows(), test.fileSystem, test.passes, test.settings);
        QVERIFY(ShowActive(dialog));
        auto* table = FindChild<QTableWidget>(dialog, u"tablePreview"_s);
        const auto newNameAt = [table](int row) {
            const QTableWidgetItem* item = table->item(row, 1);
            return item ? item->text() : QString();
        };
        // Worked out on a worker: a pattern that backtracks never holds the window.
        QSignalSpy shown(&dialog, &FormRules::previewShown);
        dialog.setSteps(Steps("[{'step':'regex','pattern':'(a+)+$'}]"));
        QCOMPARE(shown.size(), 0);
        QVERIFY(shown.wait());
        dialog.setSteps({});
        FindChild<QAction>(dialog, u"add_number"_s)->trigger();
        QTRY_COMPARE(newNameAt(2), u"b10_3"_s);
        auto* start =
            FindChild<QSpinBox>(*dialog.findChild<QWidget*>(u"options_number"_s), u"start"_s);
        QVERIFY(start->isAncestorOf(QApplication::focusWidget())); // typed into straight away
        start->selectAll();
        QTest::keyClicks(start, u"8"_s);
        QTRY_COMPARE(newNameAt(2), u"b10_10"_s);
        QCOMPARE(table->item(0, 1)->text(), u"a_08"_s);

        // Clashes and unchanged names show while the user types, counted above the table;
        // 应用 previews the list and leaves the dialog open.
        dialog.setSteps(Steps("[{'step':'regex','pattern':'[0-9]','replacement':''}]"));
        auto* marks = FindChild<QLabel>(dialog, u"labelMarks"_s);
        QTRY_COMPARE(marks->text(), u"1 行重名，1 行不变"_s);
        QCOMPARE(table->item(0, 2)->text(), u"目录名称一样"_s);
        QCOMPARE(table->item(1, 2)->text(), QString());
        QCOMPARE(table->item(2, 2)->text(), u"有相同目录"_s);
        QTest::mouseClick(FindChild<QPushButton>(dialog, u"Command3"_s), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(window.rows().row(2).verdictText(), u"有相同目录"_s);
        // A name a row keeps is taken, though the row comes first.
        dialog.setSteps(Steps("[{'step':'regex','pattern':'^b2$','replaceWith':'a'}]"));
        QTRY_COMPARE(marks->text(), u"1 行重名，2 行不变"_s);
        QCOMPARE(table->item(1, 2)->text(), u"有相同目录"_s);
        dialog.setSteps(Steps("[{'step':'date','format':'yyyy'}]")); // read away from the window
        QTRY_COMPARE(newNameAt(0), u"a_%1"_s.arg(QDate::currentDate().year()));
        dialog.setSteps({});
        FindChild<QAction>(dialog, u"add_number"_s)->trigger();
        start = FindChild<QSpinBox>(*dialog.findChild<QWidget*>(u"options_number"_s), u"start"_s);
        start->setValue(8);
        QTRY_COMPARE(newNameAt(2), u"b10_10"_s);
        QVERIFY(!marks->isVisible());

        FindChild<QLineEdit>(dialog, u"editPresetName"_s)->setText(u"编号"_s);
        QTest::mouseClick(FindChild<QPushButton>(dialog, u"buttonSavePreset"_s), Qt::LeftButton);
        // What is exported can be imported on another machine; anything else is refused.
        RulePresets elsewhere;
        QCOMPARE(elsewhere.importNamed(RulePresets::load(test.settings).exportedNamed()),
                 QStringList{u"编号"_s});
        QCOMPARE(elsewhere.named, RulePresets::load(test.settings).named);
        QVERIFY(!elsewhere.importNamed(R"({"presets":{}})"));
        dialog.setSteps({});
        auto* presets = FindChild<QComboBox>(dialog, u"comboPresets"_s);
        presets->setCurrentIndex(presets->findText(u"方案：编号"_s));
        Q_EMIT presets->activated(presets->currentIndex());
        QCOMPARE(dialog.steps().size(), 1);

        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(window.rows().row(1).newName, u"b2_09"_s);
        QCOMPARE(window.rows().row(1).verdictText(), u"可以修改"_s);
        // Remembered for the next opening, and among the recent ones.
        const FormRules again(&window, window.rows(), test.fileSystem, test.passes, test.settings);
        QCOMPARE(again.steps(), dialog.steps());
        RulePresets kept = RulePresets::load(test.settings);
        QCOMPARE(kept.recent.size(), 2); // after the rule 应用 previewed
        QCOMPARE(kept.recent.first(), dialog.steps());
        // Ten recent ones at most: the oldest goes, the newest comes first.
        for (int i = 0; i < RulePresets::recentKept; ++i)
            kept.remember(append(QString::number(i)).steps());
        kept.save(test.settings);
        kept = RulePresets::load(test.settings);
        QCOMPARE(kept.recent.size(), RulePresets::recentKept);
        QCOMPARE(kept.recent.first(), StepList::completed(append(u"9"_s).steps()));
        QVERIFY(!kept.recent.contains(dialog.steps()));
        // Used again: it comes first, once.
        const QJsonArray again8 = StepList::completed(append(u"8"_s).steps());
        kept.remember(again8);
        QCOMPARE(kept.recent.first(), again8);
        QCOMPARE(kept.recent.count(again8), 1);
        dialog.setSteps(kept.recent.first()); // a step of the first kind stays
        QCOMPARE(dialog.steps(), kept.recent.first());
    }
};

FBR_TEST_MAIN(TestRules)
#include "tst_rules.moc"
