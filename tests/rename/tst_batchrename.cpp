#include "collect/AddDirectories.h"
#include "mainwindow/DirectoryListView.h"
#include "mainwindow/Form1.h"
#include "platform/PathJoin.h"
#include "rename/BatchRename.h"
#include "rows/DirectoryListModel.h"
#include "rules/RenameRule.h"
#include "rules/SimulateRename.h"
#include "rules/TrimmedName.h"
#include "support/OtherWindow.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The property's rounds come in this many parts.
constexpr int propertyParts = 3;

// Adds the folders as the add dialog does, identity and all.
void addFolders(DirectoryListModel& rows, FileSystem& fileSystem, const QStringList& paths)
{
    const int before = rows.count();
    QtPassRunner passes;
    QCOMPARE(AddDirectories(rows, fileSystem, paths, passes).appended, paths.size());
    QCOMPARE(rows.count(), before + paths.size());
}

// A row for a folder of the parent, with its proposed name as a preview leaves it.
void addRow(DirectoryListModel& rows, const QString& parent, const QString& name,
            const QString& newName)
{
    NativeFileSystem fileSystem;
    addFolders(rows, fileSystem, {JoinPath(parent, name)});
    Propose(rows, rows.count() - 1, newName);
}

QString verdictOf(DirectoryListModel& rows, int i)
{
    return rows.row(i).verdictText();
}

// Every path below the folder, relative to it, sorted.
QStringList treeBelow(const QString& folder)
{
    QStringList paths;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(it.next().mid(folder.size()));
    paths.sort();
    return paths;
}

// The identity of the folder (or link to one) at the path, as the program records it; 0 for
// none.
quint64 objectIdOf(const QString& path)
{
    NativeFileSystem fileSystem;
    const FolderLookup found = fileSystem.folderFinder()->lookUp(QDir::toNativeSeparators(path));
    return found.folder ? found.folder->id.object : 0;
}

// Runs steps such as "mv p away", "mkdir p/c", "touch p", "ln other p" (a link at p to
// other), "rm p/c" in the tree, as someone else would between the preview and the batch.
void interfere(const TestTree& tree, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QStringList words = step.split(u' ');
        const QString& verb = words[0];
        if (verb == u"mv")
            QVERIFY(QDir().rename(tree.path(words[1]), tree.path(words[2])));
        else if (verb == u"mkdir")
            tree.makeFolders({words[1]});
        else if (verb == u"touch")
            tree.makeFile(words[1]);
        else if (verb == u"ln")
            QVERIFY(tree.link(words[1], words[2]));
        else if (verb == u"rm")
            QVERIFY(QDir(tree.path(words[1])).removeRecursively());
        else
            QFAIL(qPrintable(u"unknown step "_s + step));
    }
}

// Where each marked folder is: the marker of its parent folder, its name, its inode.
struct Place
{
    QString parentMarker;
    QString name;
    quint64 inode = 0;
};

QHash<QString, Place> placesBelow(const QString& root)
{
    QHash<QString, QString> markerOfFolder;
    QDirIterator it(root, {u"m*"_s}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        markerOfFolder.insert(it.fileInfo().path(), it.fileName());
    }
    QHash<QString, Place> places;
    for (auto folder = markerOfFolder.cbegin(); folder != markerOfFolder.cend(); ++folder) {
        const QFileInfo info(folder.key());
        places.insert(*folder, Place{markerOfFolder.value(info.path()), info.fileName(),
                                     objectIdOf(folder.key())});
    }
    return places;
}

// Whether the batch did what the preview said it would.
bool foretold(const Verdict& preview, const Verdict& outcome)
{
    using Outcome = Verdict::Outcome;
    using Kind = FileSystemError::Kind;
    const Kind kind = outcome.error.kind;
    switch (preview.outcome) {
    case Outcome::CanRename:
        return outcome.outcome == Outcome::Renamed;
    case Outcome::FolderExists:
    case Outcome::NameProposedEarlier:
        return outcome.outcome == Outcome::AlreadyExists;
    case Outcome::TakenByFile:
        return outcome.outcome == Outcome::Failed && kind == Kind::TargetExists;
    case Outcome::InvalidName:
        return outcome.outcome == Outcome::Failed && kind == Kind::InvalidName;
    case Outcome::NameTooLong:
        return outcome.outcome == Outcome::Failed && kind == Kind::NameTooLong;
    default:
        return outcome == preview;
    }
}

// Counts the paint events of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void confirm(Form1& window)
{
    window.findChild<QAction*>(u"menu确认修改"_s)->trigger();
}

} // namespace

class TestBatchRename : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    void noChangesNothingAndEmptyListOnlyReports()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s});
        TestPlatform test;
        Form1 window(test.platform);
        addRow(window.rows(), tree.root(), u"a"_s, u"b"_s);
        test.messageBoxes.answerYes = false;
        confirm(window);
        QCOMPARE(test.messageBoxes.shown.size(), 1);
        QCOMPARE(test.messageBoxes.shown[0].kind, u"ask"_s);
        QCOMPARE(test.messageBoxes.shown[0].title, u"Morvel文件夹名称批量修改"_s);
        QCOMPARE(
            test.messageBoxes.shown[0].text,
            u"你确定要全部修改目录名称吗？\n将修改 1 个目录；0 个不会修改（见“可否修改”一列）。"_s);
        QVERIFY(tree.isFolder(u"a"_s));
        QCOMPARE(verdictOf(window.rows(), 0), u"可以修改"_s);

        window.rows().removeAll();
        test.messageBoxes.answerYes = true;
        test.messageBoxes.shown.clear();
        confirm(window);
        QCOMPARE(test.messageBoxes.shown.size(), 2);
        QCOMPARE(test.messageBoxes.shown[1].kind, u"inform"_s);
        QCOMPARE(test.messageBoxes.shown[1].text,
                 u"批量修改目录名称完成！\n修改成功 0 个，修改出错 0 个，未修改 0 个。"_s);
    }

    void aSuccessfulRenameAndTheRowAfterwards()
    {
        TestTree tree;
        tree.makeFolders({u"p/旧 名/inner"_s});
        TestPlatform test;
        Form1 window(test.platform);
        QVERIFY(ShowActive(window));
        const QString parent = tree.path(u"p"_s);
        addRow(window.rows(), parent, u"旧 名"_s, u"新 名"_s);
        confirm(window);
        QVERIFY(tree.isFolder(u"p/新 名/inner"_s));
        QVERIFY(!tree.isFolder(u"p/旧 名"_s));
        const DirectoryRow& row = window.rows().row(0);
        QCOMPARE(row.verdictText(), u"修改成功"_s);
        QCOMPARE(row.name(), u"新 名"_s);
        QCOMPARE(row.newName, u"新 名"_s);
        QCOMPARE(row.key, JoinPath(parent, u"新 名"_s));
        QCOMPARE(window.rows().data(window.rows().index(0, 0)).toString(), u"新 名"_s);

        auto& list = window.listView();
        QTest::mouseMove(list.viewport(), list.visualRect(window.rows().index(0, 0)).center());
        QTRY_COMPARE(window.findChild<QLabel*>(u"StatusBar1Panel2"_s)->text(), row.key);
        list.setCurrentIndex(window.rows().index(0, 0));
        window.findChild<QAction*>(u"menu打开修改前目录"_s)->trigger();
        QCOMPARE(test.shell.openedPaths, QStringList{row.key});

        // The old path is free for a folder of its own.
        QVERIFY(!window.rows().containsKey(JoinPath(parent, u"旧 名"_s)));
        tree.makeFolders({u"p/旧 名"_s});
        addFolders(window.rows(), test.fileSystem, {JoinPath(parent, u"旧 名"_s)});
        window.rows().removeMarked({false, true});

        // Once more without a new preview: the name is the same now.
        confirm(window);
        QCOMPARE(window.rows().row(0).verdictText(), u"目录名称一样"_s);
    }

    void verdictsOfTheOrdinaryCases()
    {
        TestTree tree;
        tree.makeFolders({u"unpreviewed"_s, u"case"_s, u"x1"_s, u"x2"_s, u"a"_s, u"b"_s, u"c1"_s,
                          u"c2"_s, u"full"_s, u"emptyTarget"_s, u"nonEmpty/child"_s, u"intoFile"_s,
                          u"intoLink"_s, u"slash"_s, u"sib"_s, u"long"_s, u"dots"_s, u"empty"_s});
        tree.makeFile(u"aFile"_s);
        if (!tree.link(u"sib"_s, u"aLink"_s))
            tree.makeFolders({u"aLink"_s});
        TestPlatform test;
        Form1 window(test.platform);
        DirectoryListModel& rows = window.rows();
        const QString root = tree.root();
        addRow(rows, root, u"case"_s, u"CASE"_s);                         // 0
        addRow(rows, root, u"x1"_s, u"same"_s);                           // 1
        addRow(rows, root, u"x2"_s, u"same"_s);                           // 2
        addRow(rows, root, u"a"_s, u"b"_s);                               // 3
        addRow(rows, root, u"b"_s, u"c"_s);                               // 4
        addRow(rows, root, u"c2"_s, u"c1"_s);                             // 5
        addRow(rows, root, u"emptyTarget"_s, u"nonEmpty"_s);              // 6
        addRow(rows, root, u"intoFile"_s, u"aFile"_s);                    // 7
        addRow(rows, root, u"intoLink"_s, u"aLink"_s);                    // 8
        addRow(rows, root, u"slash"_s, u"sib/x"_s);                       // 9
        addRow(rows, root, u"long"_s, QString(256, u'n'));                // 10
        addRow(rows, root, u"dots"_s, u".."_s);                           // 11
        addRow(rows, root, u"full"_s, u"with\0nul"_s);                    // 12
        addRow(rows, root, u"empty"_s, QString());                        // 13
        addFolders(rows, test.fileSystem, {tree.path(u"unpreviewed"_s)}); // 14

        confirm(window);
        // Where the file system tells case apart, a case-only change is a real rename; on Windows
        // the name is the same.
        QCOMPARE(verdictOf(rows, 0), OnWindows() ? u"目录名称一样"_s : u"修改成功"_s);
        QVERIFY(tree.isFolder(u"CASE"_s));
        QCOMPARE(verdictOf(rows, 1), u"修改成功"_s);
        QCOMPARE(verdictOf(rows, 2), u"目录已经存在"_s);
        QCOMPARE(verdictOf(rows, 3), u"目录已经存在"_s); // b still exists
        QCOMPARE(verdictOf(rows, 4), u"修改成功"_s);
        QCOMPARE(verdictOf(rows, 5), u"目录已经存在"_s);
        QCOMPARE(verdictOf(rows, 6), u"目录已经存在"_s);
        // Never replaced: a file or a link in the way is reported, and stays.
        QCOMPARE(verdictOf(rows, 7), u"修改出错:新名称已被另一个文件或目录占用"_s);
        QVERIFY(QFileInfo(tree.path(u"aFile"_s)).isFile());
        QVERIFY(tree.isFolder(u"intoFile"_s));
        QCOMPARE(verdictOf(rows, 8), u"目录已经存在"_s); // a link to a folder is a folder
        // Names no folder can have are said so before anything else.
        for (int i : {9, 11, 12, 13})
            QCOMPARE(verdictOf(rows, i), u"修改出错:新名称不是有效的文件夹名称"_s);
        QCOMPARE(verdictOf(rows, 10), u"修改出错:新名称太长"_s);
        QCOMPARE(tree.entries(u"sib"_s), QStringList());
        // Added after the preview: left alone.
        QCOMPARE(verdictOf(rows, 14), u"未模拟修改，请先模拟修改"_s);
        QVERIFY(tree.isFolder(u"unpreviewed"_s));
        for (int i : {2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})
            QCOMPARE(rows.row(i).key, JoinPath(root, rows.row(i).name()));
        QVERIFY(tree.isFolder(u"nonEmpty/child"_s));
        QVERIFY(tree.isFolder(u"emptyTarget"_s));
        QVERIFY(tree.isFolder(u"slash"_s) && tree.isFolder(u"dots"_s) && tree.isFolder(u"empty"_s));
        confirm(window); // a second batch does not count the unpreviewed row as previewed
        QCOMPARE(verdictOf(rows, 14), u"未模拟修改，请先模拟修改"_s);
        QVERIFY(tree.isFolder(u"unpreviewed"_s));
    }

    void nothingRenamedBeforeAPreview()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s});
        TestPlatform test;
        Form1 window(test.platform);
        addFolders(window.rows(), test.fileSystem, {tree.path(u"a"_s)});
        confirm(window);
        QCOMPARE(test.messageBoxes.shown.size(), 1);
        QCOMPARE(test.messageBoxes.shown[0].text, u"还没有模拟修改，请先模拟修改。"_s);
        QCOMPARE(verdictOf(window.rows(), 0), QString());
        QCOMPARE(test.fileSystem.renameCalls, 0);
    }

    void chainsFollowTheRowOrder()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s, u"b"_s});
        TestPlatform test;
        Form1 window(test.platform);
        addRow(window.rows(), tree.root(), u"b"_s, u"c"_s);
        addRow(window.rows(), tree.root(), u"a"_s, u"b"_s);
        confirm(window);
        QCOMPARE(verdictOf(window.rows(), 0), u"修改成功"_s);
        QCOMPARE(verdictOf(window.rows(), 1), u"修改成功"_s);
        QCOMPARE(tree.entries(), (QStringList{u"b"_s, u"c"_s}));
    }

    // The preview says what the batch will do, row by row: in list order, over the names as
    // earlier rows leave them, letter case folded where the file system folds it. Lists are
    // "|"-separated; a folder "file:x" is a file; the preview's column is the verdict tooltips.
    void thePreviewForetellsTheBatch_data()
    {
        QTest::addColumn<QString>("folders");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("rule"); // find>replacement
        QTest::addColumn<bool>("ignoreCase");
        QTest::addColumn<QString>("previewed");
        QTest::addColumn<QString>("outcomes");
        const bool blind = OnWindows();
        QTest::newRow("name unchanged") << u"a1|b"_s << u"a1|b"_s << u"1>2"_s << false
                                        << u"可以修改|目录名称一样"_s << u"修改成功|目录名称一样"_s;
        QTest::newRow("two rows propose one name")
            << u"a-b|ab-"_s << u"a-b|ab-"_s << u"->"_s << false
            << u"可以修改|有相同目录\n第 1 行的目录“a-b”先改为这个名称。"_s
            << u"修改成功|目录已经存在"_s;
        QTest::newRow("chain in list order") << u"x|xx"_s << u"xx|x"_s << u"x>xx"_s << false
                                             << u"可以修改|可以修改"_s << u"修改成功|修改成功"_s;
        QTest::newRow("chain against it") << u"x|xx"_s << u"x|xx"_s << u"x>xx"_s << false
                                          << u"有相同目录|可以修改"_s << u"目录已经存在|修改成功"_s;
        QTest::newRow("nested folder") << u"p1/c1"_s << u"p1|p1/c1"_s << u"1>2"_s << false
                                       << u"可以修改|可以修改"_s << u"修改成功|修改成功"_s;
        QTest::newRow("a file has the name")
            << u"f1|file:f2"_s << u"f1"_s << u"1>2"_s << false << u"有同名文件"_s
            << u"修改出错:新名称已被另一个文件或目录占用"_s;
        QTest::newRow("case only, case told apart") << u"ab"_s << u"ab"_s << u"ab>AB"_s << false
                                                    << (blind ? u"目录名称一样"_s : u"可以修改"_s)
                                                    << (blind ? u"目录名称一样"_s : u"修改成功"_s);
        QTest::newRow("case only, case folded")
            << u"ab"_s << u"ab"_s << u"ab>AB"_s << true << u"目录名称一样"_s << u"目录名称一样"_s;
        QTest::newRow("another folder's case variant, case folded")
            << u"Ab|xb"_s << u"xb"_s << u"x>a"_s << true << u"有相同目录"_s << u"目录已经存在"_s;
        QTest::newRow("the program's own folder, or one above it")
            << u"prog1/bin1|x1"_s << u"prog1|prog1/bin1|x1"_s << u"1>2"_s << false
            << u"本程序正在使用这个目录，不能修改|本程序正在使用这个目录，不能修改|可以修改"_s
            << u"本程序正在使用这个目录，不能修改|本程序正在使用这个目录，不能修改|修改成功"_s;
        if (!blind) // two such folders side by side
            QTest::newRow("two rows propose case variants, case folded")
                << u"ax|Ax"_s << u"ax|Ax"_s << u"x>y"_s << true
                << u"可以修改|有相同目录\n第 1 行的目录“ax”先改为这个名称。"_s
                << u"修改成功|目录已经存在"_s;
        QTest::newRow("case variants proposed twice, case folded")
            << u"x1|X2"_s << u"x1|X2"_s << u"2>1"_s << true << u"目录名称一样|有相同目录"_s
            << u"目录名称一样|目录已经存在"_s;
    }
    void thePreviewForetellsTheBatch()
    {
        QFETCH(QString, folders);
        QFETCH(QString, listed);
        QFETCH(QString, rule);
        QFETCH(bool, ignoreCase);
        QFETCH(QString, previewed);
        QFETCH(QString, outcomes);
        TestTree tree;
        QStringList paths;
        for (const QString& folder : folders.split(u'|'))
            folder.startsWith(u"file:"_s) ? tree.makeFile(folder.mid(5))
                                          : tree.makeFolders({folder});
        for (const QString& folder : listed.split(u'|'))
            paths.append(tree.path(folder));
        TestPlatform test;
        test.fileSystem.ignoreCase = ignoreCase;
        test.fileSystem.programFoldersInstead = {tree.path(u"prog1/bin1"_s)};
        Form1 window(test.platform);
        DirectoryListModel& rows = window.rows();
        addFolders(rows, test.fileSystem, paths);
        RenameRule replace{
            RenameRule::Kind::Replace, {}, {}, rule.section(u'>', 0, 0), rule.section(u'>', 1)};
        QVERIFY(SimulateRename(rows, test.fileSystem, StepList(replace.steps()), test.passes));
        QStringList tips;
        for (int i = 0; i < rows.count(); ++i)
            tips.append(
                rows.index(i, DirectoryListModel::VerdictColumn).data(Qt::ToolTipRole).toString());
        QCOMPARE(tips.join(u'|'), previewed);
        confirm(window);
        QStringList verdicts;
        for (int i = 0; i < rows.count(); ++i)
            verdicts.append(verdictOf(rows, i));
        QCOMPARE(verdicts.join(u'|'), outcomes);
        // The question and the message count what the verdicts say.
        const auto count = [](const QString& list, const QString& what) {
            return list.count(what);
        };
        const qsizetype can = count(previewed, u"可以修改"_s),
                        done = count(outcomes, u"修改成功"_s);
        const qsizetype failed =
            count(outcomes, u"修改出错"_s) + count(outcomes, u"目录已经存在"_s);
        QCOMPARE(test.messageBoxes.shown[0].text.section(u'\n', 1),
                 u"将修改 %1 个目录；%2 个不会修改（见“可否修改”一列）。"_s.arg(can).arg(
                     rows.count() - can));
        QCOMPARE(test.messageBoxes.shown[1].text.section(u'\n', 1),
                 u"修改成功 %1 个，修改出错 %2 个，未修改 %3 个。"_s.arg(done).arg(failed).arg(
                     rows.count() - done - failed));
    }

    // Rows below a renamed folder follow it, in any order, however deep, through a linked
    // parent too; a folder that takes a renamed folder's old name is not mistaken for it.
    void rowsBelowARenamedFolderFollowIt_data()
    {
        QTest::addColumn<QStringList>("rows"); // relative to the tree, in list order
        QTest::newRow("folder first") << QStringList{u"o"_s, u"o/i"_s, u"o/j"_s, u"o/i/k"_s};
        QTest::newRow("folder last") << QStringList{u"o/i/k"_s, u"o/j"_s, u"o/i"_s, u"o"_s};
        QTest::newRow("grandchild only") << QStringList{u"o"_s, u"o/i/k"_s};
        QTest::newRow("name taken by a sibling") << QStringList{u"pX"_s, u"p"_s, u"pX/c"_s};
        QTest::newRow("through a linked parent")
            << QStringList{u"link/i"_s, u"link/j"_s, u"link/i/k"_s};
        if (OnWindows()) // a parent or ancestor under another spelling, which Windows has not
            return;
        QTest::newRow("parent spelt otherwise") << QStringList{u"o"_s, u"./o/i"_s};
        QTest::newRow("ancestor spelt otherwise") << QStringList{u"o"_s, u".//o/i/k"_s};
    }
    void rowsBelowARenamedFolderFollowIt()
    {
        QFETCH(QStringList, rows);
        TestTree tree;
        tree.makeFolders({u"o/i/k"_s, u"o/j"_s, u"p/c"_s, u"pX/c"_s});
        if (!tree.link(u"o"_s, u"link"_s) && rows.first().startsWith(u"link/"_s))
            QSKIP("no links to folders here");
        QStringList markers;
        for (const QString& row : rows) {
            tree.makeFile(row + u"/marker"_s);
            markers.append(tree.path(row + u"/marker"_s));
        }
        TestPlatform test;
        Form1 window(test.platform);
        QStringList paths;
        for (const QString& row : rows)
            paths.append(tree.path(row));
        addFolders(window.rows(), test.fileSystem, paths);
        QVERIFY(SimulateRename(window.rows(), test.fileSystem, AppendRule(u"X"_s), test.passes));
        QList<quint64> inodes;
        for (const QString& path : paths)
            inodes.append(objectIdOf(path));
        confirm(window);
        for (int i = 0; i < rows.size(); ++i) {
            const DirectoryRow& row = window.rows().row(i);
            QCOMPARE(row.verdictText(), u"修改成功"_s);
            // The row's key names its own folder, which bears the new name.
            QCOMPARE(objectIdOf(row.key), inodes[i]);
            QCOMPARE(row.name(), rows[i].section(u'/', -1) + u'X');
            QCOMPARE(row.key, JoinPath(row.parent, row.name()));
            QVERIFY(QFileInfo::exists(JoinPath(row.key, u"marker"_s)));
        }
        if (rows.contains(u"p"_s))
            QVERIFY(tree.isFolder(u"pX/c"_s)); // the unlisted folder that took the name
    }

    // Between the preview and the batch, someone else moves or swaps what was listed: the
    // batch renames nothing that was not listed.
    void aFolderMovedOrReplacedSinceTheListingIsLeftAlone_data()
    {
        QTest::addColumn<QStringList>("interference");
        QTest::addColumn<QString>("verdict");
        const QString moved = u"修改出错:目录在加入列表后被移动或替换了"_s;
        QTest::newRow("parent moved away") << QStringList{u"mv p away"_s} << moved;
        QTest::newRow("parent now another folder")
            << QStringList{u"mv p away"_s, u"mkdir p/c"_s} << moved;
        QTest::newRow("parent now a file") << QStringList{u"mv p away"_s, u"touch p"_s} << moved;
        QTest::newRow("folder now another folder")
            << QStringList{u"mv p/c p/away"_s, u"mkdir p/c"_s} << moved;
        QTest::newRow("folder now a file")
            << QStringList{u"mv p/c p/away"_s, u"touch p/c"_s} << moved;
        QTest::newRow("folder deleted")
            << QStringList{u"rm p/c"_s} << u"修改出错:找不到要修改的目录"_s;
        if (OnWindows())
            return; // links to folders need an elevated user there; wine's file index is the
                    // inode of the disk below, which ext4 gives a new folder again
        // On ext4 the new folder gets the old one's inode number, as a rule.
        QTest::newRow("folder deleted and made again")
            << QStringList{u"rm p/c"_s, u"mkdir p/c"_s} << moved;
        QTest::newRow("parent now a link to another folder")
            << QStringList{u"mv p away"_s, u"ln other p"_s} << moved;
        QTest::newRow("folder now a link to itself")
            << QStringList{u"mv p/c p/away"_s, u"ln p/away p/c"_s} << moved;
    }
    void aFolderMovedOrReplacedSinceTheListingIsLeftAlone()
    {
        QFETCH(QStringList, interference);
        QFETCH(QString, verdict);
        TestTree tree;
        tree.makeFolders({u"p/c"_s, u"other/c"_s});
        TestPlatform test;
        Form1 window(test.platform);
        addFolders(window.rows(), test.fileSystem, {tree.path(u"p/c"_s)});
        QVERIFY(SimulateRename(window.rows(), test.fileSystem, AppendRule(u"2"_s), test.passes));
        interfere(tree, interference);
        const QStringList before = treeBelow(tree.root());
        confirm(window);
        QCOMPARE(verdictOf(window.rows(), 0), verdict);
        QCOMPARE(treeBelow(tree.root()), before);
    }

    // Faults the tests cannot make for real when they run as root, or races.
    void injectedFaults()
    {
        TestTree tree;
        tree.makeFolders({u"denied"_s, u"race"_s, u"other"_s, u"unsure"_s});
        TestPlatform test;
        test.fileSystem.beforeRename = [&](const QString& from,
                                           const QString& to) -> std::optional<FileSystemError> {
            if (from.endsWith(u"denied"_s))
                return FileSystemError{FileSystemError::Kind::PermissionDenied, u"x"_s};
            if (from.endsWith(u"other"_s))
                return FileSystemError{FileSystemError::Kind::Other, u"系统的说明"_s};
            if (from.endsWith(u"unsure"_s)) {
                // Renamed, in a race the file system could not rule out.
                QDir().rename(from, to);
                return FileSystemError{FileSystemError::Kind::MayHaveReplacedFolder, {}};
            }
            QDir().mkdir(to); // a folder appears after the preview
            return std::nullopt;
        };
        Form1 window(test.platform);
        addRow(window.rows(), tree.root(), u"denied"_s, u"d2"_s);
        addRow(window.rows(), tree.root(), u"race"_s, u"r2"_s);
        addRow(window.rows(), tree.root(), u"other"_s, u"o2"_s);
        addRow(window.rows(), tree.root(), u"unsure"_s, u"u2"_s);
        confirm(window);
        QCOMPARE(verdictOf(window.rows(), 0), u"修改出错:没有权限修改这个目录"_s);
        QCOMPARE(verdictOf(window.rows(), 1), u"目录已经存在"_s);
        QCOMPARE(verdictOf(window.rows(), 2), u"修改出错:系统的说明"_s);
        QVERIFY(tree.isFolder(u"race"_s));
        QVERIFY(tree.isFolder(u"r2"_s));
        QCOMPARE(window.rows().row(1).name(), u"race"_s);
        QCOMPARE(verdictOf(window.rows(), 3),
                 u"已改名，但另一个程序同时在新名称处建了目录，它可能已被这次改名替换"_s);
        QCOMPARE(window.rows().row(3).name(), u"u2"_s);
    }

    // Rows that take names other rows give up (typed names, the rules dialog) are planned: the
    // preview says which can go, the batch does it in an order that works, a cycle through a
    // temporary name, and the undo gives every folder its name back.
    void aPlannedBatchShiftsSwapsAndCycles_data()
    {
        QTest::addColumn<QStringList>("folders");  // in p; the first ones listed
        QTest::addColumn<QStringList>("newNames"); // by row
        QTest::addColumn<bool>("ignoreCase");
        QTest::addColumn<QStringList>("previews");
        QTest::addColumn<QStringList>("after"); // each row's folder's name
        QTest::addColumn<QString>("hint");      // the first row's tooltip says why it can go
        const QString can = u"可以修改"_s;
        const QString held = u"有相同目录"_s;
        const auto list = [](const char* names) {
            return QString::fromUtf8(names).split(u' ');
        };
        QTest::newRow("shift up") << list("01 02 03") << list("02 03 04") << false
                                  << QStringList{can, can, can} << list("02 03 04")
                                  << u"在第 2 行的目录“02”改名之后再改名。"_s;
        QTest::newRow("shift down") << list("02 03 04") << list("01 02 03") << false
                                    << QStringList{can, can, can} << list("01 02 03") << QString();
        QTest::newRow("swap") << list("甲-乙 乙-甲") << list("乙-甲 甲-乙") << false
                              << QStringList{can, can} << list("乙-甲 甲-乙")
                              << u"与另外 1 个目录互换名称（共 2 个）：其中一个目录先改为临时名称，"
                                 u"最后再改为新名称。"_s;
        QTest::newRow("3-cycle") << list("a b c") << list("b c a") << false
                                 << QStringList{can, can, can} << list("b c a") << QString();
        QTest::newRow("cycle and a row whose name a folder not listed holds")
            << list("a b c d") << list("b a d") << false << QStringList{can, can, held}
            << list("b a c") << QString();
        QTest::newRow("a row waiting for one that cannot go")
            << list("a b c") << list("b c") << false << QStringList{held, held} << list("a b")
            << QString();
        QTest::newRow("letter case where case does not count")
            << list("abc") << list("ABC") << true << QStringList{can} << list("ABC")
            << u"只改变字母大小写：先改为临时名称，再改为新名称。"_s;
        QTest::newRow("swap where case does not count")
            << list("a B") << list("b A") << true << QStringList{can, can} << list("b A")
            << QString();
    }
    void aPlannedBatchShiftsSwapsAndCycles()
    {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, newNames);
        QFETCH(bool, ignoreCase);
        QFETCH(QStringList, previews);
        QFETCH(QStringList, after);
        QFETCH(QString, hint);
        TestTree tree;
        QStringList listed;
        for (const QString& folder : folders) {
            tree.makeFolders({u"p/"_s + folder});
            tree.makeFile(u"p/"_s + folder + u"/m"_s + folder);
            if (listed.size() < newNames.size())
                listed.append(tree.path(u"p/"_s + folder));
        }
        TestPlatform test;
        test.fileSystem.ignoreCase = ignoreCase;
        Form1 window(test.platform);
        addFolders(window.rows(), test.fileSystem, listed);
        QCOMPARE(SimulateRenameTo(window.rows(), test.fileSystem,
                                  {newNames.cbegin(), newNames.cend()}, u"新名称"_s, test.passes),
                 PassEnd::Completed);
        const auto verdicts = [&] {
            QStringList texts;
            for (int i = 0; i < window.rows().count(); ++i)
                texts.append(verdictOf(window.rows(), i));
            return texts;
        };
        QCOMPARE(verdicts(), previews);
        if (!hint.isNull()) {
            QCOMPARE(window.rows().data(window.rows().index(0, 2), Qt::ToolTipRole).toString(),
                     previews[0] + u'\n' + hint);
        }
        confirm(window);
        QStringList outcomes = previews;
        outcomes.replaceInStrings(u"可以修改"_s, u"修改成功"_s);
        outcomes.replaceInStrings(u"有相同目录"_s, u"目录已经存在"_s);
        QCOMPARE(verdicts(), outcomes);
        const auto folderHolds = [&](const QString& name, const QString& marker) {
            return QFileInfo::exists(tree.path(u"p/"_s + name + u"/m"_s + marker));
        };
        for (int i = 0; i < newNames.size(); ++i)
            QVERIFY(folderHolds(after[i], folders[i]));
        window.findChild<QAction*>(u"menu撤销修改"_s)->trigger();
        for (const QString& folder : folders)
            QVERIFY(folderHolds(folder, folder));
        QCOMPARE(tree.entries(u"p"_s).size(), folders.size());
    }

    // Every map of a few folders of one parent onto names of a small alphabet (every shift,
    // swap, cycle and merge), planned and run with the file system failing at each of its
    // renames in turn: every folder ends under its old name or its new one, and the undo gives
    // every old name back. FBR_EXHAUSTIVE_FOLDERS=4 FBR_EXHAUSTIVE_NAMES=5 for the full set.
    void everyPlanSurvivesAFaultAtEachRename()
    {
        const QStringList& alphabet = MapLetters();
        int plans = 0;
        int runs = 0;
        // Fewer under wine, where each run takes a while.
        for (const QStringList& map : ExhaustiveMaps(OnWindows() ? 2 : 3, 4)) {
            ++plans;
            const int count = int(map.size());
            const std::vector<QString> newNames(map.cbegin(), map.cend());
            for (int failAt = 0;; ++failAt, ++runs) {
                const QByteArray context =
                    map.join(u' ').toUtf8() + ", fault at " + QByteArray::number(failAt);
                TestTree tree;
                QStringList listed;
                for (int i = 0; i < count; ++i) {
                    tree.makeFolders({alphabet[i]});
                    tree.makeFile(alphabet[i] + u"/m"_s + alphabet[i]);
                    listed.append(tree.path(alphabet[i]));
                }
                TestPlatform test;
                int calls = 0;
                test.fileSystem.beforeRename =
                    [&](const QString&, const QString&) -> std::optional<FileSystemError> {
                    if (calls++ != failAt)
                        return std::nullopt;
                    return FileSystemError{FileSystemError::Kind::PermissionDenied, {}};
                };
                Form1 window(test.platform);
                addFolders(window.rows(), test.fileSystem, listed);
                SimulateRenameTo(window.rows(), test.fileSystem, newNames, u"新名称"_s,
                                 test.passes);
                confirm(window);
                QVERIFY2(tree.entries().size() == count, context); // none at a temporary name
                for (int i = 0; i < count; ++i) {
                    const auto holds = [&](const QString& name) {
                        return QFileInfo::exists(tree.path(name + u"/m"_s + alphabet[i]));
                    };
                    QVERIFY2(holds(alphabet[i]) || holds(newNames[size_t(i)]), context);
                }
                test.fileSystem.beforeRename = {};
                window.findChild<QAction*>(u"menu撤销修改"_s)->trigger();
                for (int i = 0; i < count; ++i) {
                    QVERIFY2(QFileInfo::exists(tree.path(alphabet[i] + u"/m"_s + alphabet[i])),
                             context);
                }
                if (failAt >= calls)
                    break; // the plan ran whole: every rename has failed once
            }
        }
        qInfo("%d plans, %d runs with a fault", plans, runs);
    }

    void aRootRowIsNeverRenamed()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s});
        TestPlatform test;
        Form1 window(test.platform);
        QVERIFY(window.rows().append(u"/"_s, QString()));
        Propose(window.rows(), 0, u"x"_s, {});
        addRow(window.rows(), tree.root(), u"a"_s, u"b"_s);
        confirm(window);
        QCOMPARE(verdictOf(window.rows(), 0), u"根目录不能修改"_s);
        QCOMPARE(test.fileSystem.renameCalls, 1);
        QCOMPARE(verdictOf(window.rows(), 1), u"修改成功"_s);
    }

    // A few thousand rows: the passes give the same results and notify the views in batches,
    // not row by row.
    void manyRowsPreviewAndRename()
    {
        TestTree tree;
        const int n = 3000;
        QStringList folders;
        for (int i = 0; i < n; ++i)
            folders.append(u"p/d"_s + QString::number(i));
        folders.append(u"p/d7_x"_s); // one target taken
        tree.makeFolders(folders);
        TestPlatform test;
        Form1 window(test.platform);
        // Counting from before the window shows: the addition's pass may already paint it.
        PaintCounter painted(window.listView().viewport());
        window.show();
        DirectoryListModel& rows = window.rows();
        const QString parent = tree.path(u"p"_s);
        QStringList paths;
        for (int i = 0; i < n; ++i)
            paths.append(JoinPath(parent, u"d"_s + QString::number(i)));
        addFolders(rows, test.fileSystem, paths);
        QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(painted.paints > 0); // the first picture of the rows
        painted.paints = 0;
        QVERIFY(SimulateRename(rows, test.fileSystem, AppendRule(u"_x"_s), test.passes));
        QTRY_VERIFY(painted.paints > 0); // what the view shows follows the rows
        const qsizetype previewNotifications = changed.size();
        QVERIFY(previewNotifications >= 1 && previewNotifications < n / 10);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(rows.row(i).newName, u"d"_s + QString::number(i) + u"_x"_s);
            QCOMPARE(rows.row(i).verdictText(), i == 7 ? u"有相同目录"_s : u"可以修改"_s);
        }
        confirm(window);
        QVERIFY(changed.size() > previewNotifications && changed.size() < 2 * n / 10);
        for (int i = 0; i < n; ++i) {
            const QString expected = i == 7 ? u"d7"_s : u"d"_s + QString::number(i) + u"_x"_s;
            QCOMPARE(rows.row(i).name(), expected);
            QCOMPARE(rows.row(i).key, JoinPath(parent, expected));
            QVERIFY(tree.isFolder(u"p/"_s + expected));
        }
        QCOMPARE(tree.entries(u"p"_s).size(), n + 1);
        // What the view shows is what the rows hold.
        const QModelIndex first = rows.index(0, DirectoryListModel::VerdictColumn);
        QCOMPARE(window.listView().model()->data(first).toString(), u"修改成功"_s);
    }

    // Random nested trees, rows in any order (some through a linked parent), random rules, and
    // sometimes someone else moving, swapping or replacing folders between the preview and the
    // batch. Afterwards no folder is lost, replaced, merged or moved out of its parent, no
    // unlisted folder is renamed, and every renamed row's folder bears its new name.
    // FBR_PROPERTY_SEED and FBR_PROPERTY_ROUNDS (of all parts) override the defaults. The rounds
    // come in parts of their own seeds, which CTest runs as suites of their own (slow under wine).
    void nothingIsEverLostProperty_data()
    {
        QTest::addColumn<int>("part");
        for (int part = 0; part < propertyParts; ++part)
            QTest::newRow(qPrintable(u"part%1"_s.arg(part + 1))) << part;
    }
    void nothingIsEverLostProperty()
    {
        QFETCH(int, part);
        const quint32 seed = (qEnvironmentVariableIsSet("FBR_PROPERTY_SEED")
                                  ? quint32(qEnvironmentVariableIntValue("FBR_PROPERTY_SEED"))
                                  : 20261207) +
                             quint32(part);
        const int rounds = (qEnvironmentVariableIsSet("FBR_PROPERTY_ROUNDS")
                                ? qEnvironmentVariableIntValue("FBR_PROPERTY_ROUNDS")
                                : 300) /
                           propertyParts;
        QRandomGenerator random(seed);
        const QStringList pieces{u"a"_s, u"A"_s, u"b"_s, u" "_s, u"目录"_s, u"x"_s, u"/"_s};
        const auto randomText = [&](int maxLength) {
            QString text;
            const int length = random.bounded(maxLength + 1);
            for (int i = 0; i < length; ++i)
                text += pieces[random.bounded(pieces.size())];
            return text;
        };
        const auto randomName = [&](const QStringList& taken) {
            for (;;) {
                const QString name = TrimSpaces(randomText(3).remove(u'/'));
                // Distinct also where the file system ignores letter case.
                if (!name.isEmpty() && !taken.contains(name, Qt::CaseInsensitive))
                    return name;
            }
        };

        for (int round = 0; round < rounds; ++round) {
            const QByteArray context =
                "seed " + QByteArray::number(seed) + " round " + QByteArray::number(round);
            TestTree tree;
            // Up to 5 folders in the root with up to 2 subfolders each, a marker file in each.
            QStringList folders;
            QStringList topNames;
            const int count = 1 + random.bounded(5);
            while (topNames.size() < count) {
                const QString top = randomName(topNames);
                topNames.append(top);
                folders.append(top);
                QStringList subNames;
                for (int sub = random.bounded(3); sub > 0; --sub) {
                    subNames.append(randomName(subNames));
                    folders.append(top + u'/' + subNames.last());
                }
            }
            for (int i = 0; i < folders.size(); ++i) {
                tree.makeFolders({folders[i]});
                tree.makeFile(folders[i] + u"/m"_s + QString::number(i));
            }
            const QString linked = topNames[random.bounded(topNames.size())];
            const bool canLink = tree.link(linked, u"L"_s);

            QStringList listed;
            for (const QString& folder : std::as_const(folders)) {
                if (random.bounded(4) == 0)
                    continue;
                const bool throughLink =
                    canLink && folder.startsWith(linked + u'/') && random.bounded(2);
                listed.append(tree.path(throughLink ? u"L"_s + folder.mid(linked.size()) : folder));
            }
            std::shuffle(listed.begin(), listed.end(), std::mt19937(random.generate()));

            RenameRule rule;
            rule.kind = RenameRule::Kind(random.bounded(3));
            rule.appendText = randomText(2);
            rule.prependText = randomText(2);
            rule.findText = randomText(2);
            rule.replaceWith = randomText(2);
            if (random.bounded(4) == 0) // a change of letter case only
                rule.replaceWith = rule.findText.toUpper();

            TestPlatform test;
            test.fileSystem.ignoreCase = random.bounded(3) == 0;
            Form1 window(test.platform);
            DirectoryListModel& rows = window.rows();
            AddDirectories(rows, test.fileSystem, listed, test.passes);
            QCOMPARE(rows.count(), listed.size());
            const QHash<QString, Place> original = placesBelow(tree.root());
            // Or names given row by row that shift, swap and cycle the names beside them.
            const bool planned = random.bounded(2);
            if (planned) {
                std::vector<QString> newNames;
                for (int r = 0; r < rows.count(); ++r) {
                    QStringList siblings;
                    for (int o = 0; o < rows.count(); ++o) {
                        if (rows.row(o).parent == rows.row(r).parent)
                            siblings.append(rows.row(o).name());
                    }
                    const int choice = random.bounded(6);
                    newNames.push_back(choice < 4   ? siblings[random.bounded(siblings.size())]
                                       : choice < 5 ? rows.row(r).name().toUpper()
                                                    : randomName({}));
                }
                SimulateRenameTo(rows, test.fileSystem, newNames, u"新名称"_s, test.passes);
            } else if (!rule.isBlank()) {
                SimulateRename(rows, test.fileSystem, StepList(rule.steps()), test.passes);
            }
            std::vector<Verdict> previewed;
            for (int r = 0; r < rows.count(); ++r)
                previewed.push_back(rows.row(r).verdict);

            const bool interfering = random.bounded(2);
            QString recreated;
            if (interfering) {
                const QString victim = tree.path(folders[random.bounded(folders.size())]);
                const QString other = tree.path(folders[random.bounded(folders.size())]);
                switch (random.bounded(4)) {
                case 3: // deleted and made again (on ext4 under the same inode number; wine's
                        // file index is that inode, where NTFS would count the reuse)
                    if (!OnWindows() && QDir(victim).removeRecursively() && QDir().mkpath(victim))
                        recreated = victim;
                    break;
                case 0: // moved elsewhere
                    QDir().rename(victim, tree.path(u"moved"_s));
                    break;
                case 1: // swapped with a sibling or an unrelated folder
                    if (QDir().rename(victim, tree.path(u"swap"_s))) {
                        QDir().rename(other, victim);
                        QDir().rename(tree.path(u"swap"_s), other);
                    }
                    break;
                default: // replaced by a link to another folder
                    if (!OnWindows() && QDir().rename(victim, tree.path(u"aside"_s)))
                        QFile::link(other, victim);
                    break;
                }
            }
            const QHash<QString, Place> before = placesBelow(tree.root());
            confirm(window);
            const QHash<QString, Place> after = placesBelow(tree.root());

            QHash<quint64, const DirectoryRow*> renamed;
            for (int r = 0; r < rows.count(); ++r) {
                const DirectoryRow& row = rows.row(r);
                // Undisturbed, the batch does what the preview said, but where a row leads
                // through a link whose folder the batch renames.
                if (!interfering && !listed[r].startsWith(tree.path(u"L"_s) + PathSeparator)) {
                    QVERIFY2(foretold(previewed[size_t(r)], row.verdict),
                             context + " row " + QByteArray::number(r) + ": " +
                                 rows.row(r).newName.toUtf8() + " " +
                                 VerdictText(previewed[size_t(r)]).toUtf8() + " → " +
                                 row.verdictText().toUtf8());
                }
                // A folder made again is another folder, whatever its inode number.
                QVERIFY2(listed[r] != recreated || row.verdict.outcome != Verdict::Outcome::Renamed,
                         context);
                // Each row is found by its path now: the folder cannot be listed twice.
                QVERIFY2(rows.containsKey(row.key), context);
                if (row.verdict.outcome == Verdict::Outcome::Renamed) {
                    renamed.insert(row.id.object, &row);
                    QCOMPARE(row.name(), row.newName);
                    // The key names the folder, unless someone else moved things or it leads
                    // through a link to a folder that the batch renamed.
                    if (!interfering && !row.key.startsWith(tree.path(u"L"_s) + PathSeparator))
                        QVERIFY2(objectIdOf(row.key) == row.id.object, context);
                }
            }
            QCOMPARE(after.size(), before.size());
            for (auto it = before.cbegin(); it != before.cend(); ++it) {
                QVERIFY2(after.contains(it.key()), context);
                const Place& now = after[it.key()];
                QVERIFY2(now.parentMarker == it->parentMarker, context);
                QVERIFY2(now.inode == it->inode, context);
                const DirectoryRow* row = renamed.value(it->inode);
                // Or, where another program took the names of a cycle meanwhile, the cycle's
                // temporary name, which its row shows.
                QVERIFY2(now.name == (row ? row->newName : it->name) ||
                             (interfering && now.name.startsWith(u"~fbr-renaming-"_s)),
                         context);
                renamed.remove(it->inode);
            }
            QVERIFY2(renamed.isEmpty(), context); // each renamed row renamed a folder of its own

            // The undo gives every folder its original name back, where nobody else interfered,
            // and nothing of another window's batch made meanwhile, whichever undoes first.
            if (!interfering) {
                TestTree otherTree;
                otherTree.makeFolders({u"o1"_s, u"o2"_s});
                OtherWindow other(test);
                AddDirectories(other.window.rows(), test.fileSystem,
                               {otherTree.path(u"o1"_s), otherTree.path(u"o2"_s)}, test.passes);
                if (!rule.isBlank())
                    SimulateRename(other.window.rows(), test.fileSystem, StepList(rule.steps()),
                                   test.passes);
                confirm(other.window);
                const QStringList otherRenamed = otherTree.entries();
                const bool otherUndoesFirst = random.bounded(2);
                if (otherUndoesFirst)
                    other.window.findChild<QAction*>(u"menu撤销修改"_s)->trigger();
                window.findChild<QAction*>(u"menu撤销修改"_s)->trigger();
                QVERIFY2(otherTree.entries() ==
                             (otherUndoesFirst ? QStringList{u"o1"_s, u"o2"_s} : otherRenamed),
                         context);
                const QHash<QString, Place> undone = placesBelow(tree.root());
                QCOMPARE(undone.size(), original.size());
                for (auto it = original.cbegin(); it != original.cend(); ++it) {
                    QVERIFY2(undone.value(it.key()).name == it->name, context);
                    QVERIFY2(undone.value(it.key()).parentMarker == it->parentMarker, context);
                }
            }
        }
    }
};

FBR_TEST_MAIN(TestBatchRename)
#include "tst_batchrename.moc"
