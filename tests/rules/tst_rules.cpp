#include "mainwindow/Form1.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"
#include "rules/ComposeNewName.h"
#include "rules/FormRename.h"
#include "rules/SimulateRename.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

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

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    void composeNewName_data()
    {
        QTest::addColumn<RenameRule>("rule");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("append") << AppendRule(u"_old"_s) << u"Banana"_s << u"Banana_old"_s;
        QTest::newRow("append keeps inner spaces")
            << AppendRule(u"  x  "_s) << u"Banana"_s << u"Banana  x"_s;
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
        QTest::newRow("only U+0020 trimmed")
            << AppendRule(u"\t "_s) << u"\u3000a"_s << u"\u3000a\t"_s;
        QTest::newRow("non-ASCII case") << replace(u"ä"_s, u"ae"_s) << u"BÄR"_s << u"BaeR"_s;
        QTest::newRow("CJK") << replace(u"旧"_s, u"新"_s) << u"旧文件夹旧"_s << u"新文件夹新"_s;
        QTest::newRow("find with spaces, as typed")
            << replace(u" a"_s, u"_"_s) << u"b a a"_s << u"b__"_s;
    }

    void composeNewName()
    {
        QFETCH(RenameRule, rule);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(ComposeNewName(rule, name), expected);
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
            rows.append(JoinPath(parent, name), name, parent);
        const QString root = fileSystemRoot();
        rows.append(root, QString(), QString()); // a root has no parent
        // A folder just below the root: one separator between them.
        const QString belowRoot = fs.subfolderNames(root)->first();
        rows.append(JoinPath(root, belowRoot), belowRoot, root);
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
        QVERIFY(SimulateRename(rows, fs, replace(u"zz"_s, u"y"_s), passes));
        QCOMPARE(rows.row(5).verdictText(), u"目录名称一样"_s);

        // Each pass starts from name, not from the previous newName.
        QVERIFY(SimulateRename(rows, fs, AppendRule(u"_x"_s), passes));
        QCOMPARE(rows.row(0).newName, u"a_x"_s);

        // A list of one row is repainted too.
        DirectoryListModel one;
        one.append(tree.path(u"c"_s), u"c"_s, tree.root());
        QSignalSpy oneChanged(&one, &DirectoryListModel::dataChanged);
        QVERIFY(SimulateRename(one, fs, AppendRule(u"_x"_s), passes));
        QCOMPARE(oneChanged.size(), 1);

        // An unchanged name is said so, as the batch will; a name no folder can have is said so
        // first.
        QVERIFY(SimulateRename(rows, fs, replace(u"zz"_s, u"y"_s), passes));
        QCOMPARE(rows.row(0).verdictText(), u"目录名称一样"_s);
        for (const QString& invalid : {QString(), u".."_s, u"."_s, u"b/y"_s, QString(256, u'n')}) {
            QVERIFY(SimulateRename(rows, fs, replace(u"a"_s, invalid), passes));
            QCOMPARE(rows.row(0).newName, invalid);
            QCOMPARE(rows.row(0).verdictText(), u"新名称无效"_s);
        }
        // A case-only change is a new name where the file system tells case apart; on Windows it
        // is the same name, as the batch will find.
        QVERIFY(SimulateRename(rows, fs, replace(u"a"_s, u"A"_s), passes));
        QCOMPARE(rows.row(0).verdictText(), OnWindows() ? u"目录名称一样"_s : u"可以修改"_s);
    }

    void blankRuleTextChangesNothing()
    {
        NativeFileSystem fs;
        QtPassRunner passes;
        DirectoryListModel rows;
        rows.append(u"/tmp"_s, u"tmp"_s, u"/"_s);
        QVERIFY(!SimulateRename(rows, fs, AppendRule(u"   "_s), passes));
        QVERIFY(!SimulateRename(rows, fs, prepend(QString()), passes));
        QVERIFY(!SimulateRename(rows, fs, replace(u" "_s, u"x"_s), passes));
        QCOMPARE(rows.row(0).newName, QString());
        QCOMPARE(rows.row(0).verdictText(), QString());
        // Only the selected rule's text is tested; an empty replacement is valid.
        RenameRule rule = prepend(u"x"_s);
        rule.appendText = u"  "_s;
        QVERIFY(SimulateRename(rows, fs, rule, passes));
        QVERIFY(SimulateRename(rows, fs, replace(u"t"_s, {}), passes));
        QCOMPARE(rows.row(0).newName, u"mp"_s);
    }

    void dialogStartsFreshAndClosesAfterAPass()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s});
        TestPlatform test;
        Form1 window(test.platform);
        window.rows().append(tree.path(u"a"_s), u"a"_s, tree.root());

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
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
