#include "common/PathJoin.h"
#include "mainwindow/DirectoryListModel.h"
#include "mainwindow/DirectoryListView.h"
#include "mainwindow/Form1.h"
#include "rename/BatchRename.h"
#include "rules/ComposeNewName.h"
#include "rules/SimulateRename.h"
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

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Rows for folders of one parent, each with its proposed name.
void addRow(DirectoryListModel& rows, const QString& parent, const QString& name,
            const QString& newName)
{
    QVERIFY(rows.append(JoinPath(parent, name), name, parent));
    rows.setProposal(rows.count() - 1, newName, {});
}

QString verdictOf(DirectoryListModel& rows, int i)
{
    return rows.row(i).verdict;
}

void confirm(Form1& window)
{
    window.findChild<QAction*>(u"menu确认修改"_s)->trigger();
}

quint64 inodeOf(const QString& path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class TestBatchRename : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QCOMPARE(test.messageBoxes.shown[0].text, u"你确定要全部修改目录名称吗？"_s);
        QVERIFY(tree.isFolder(u"a"_s));
        QCOMPARE(verdictOf(window.rows(), 0), QString());

        window.rows().removeAll();
        test.messageBoxes.answerYes = true;
        test.messageBoxes.shown.clear();
        confirm(window);
        QCOMPARE(test.messageBoxes.shown.size(), 2);
        QCOMPARE(test.messageBoxes.shown[1].kind, u"inform"_s);
        QCOMPARE(test.messageBoxes.shown[1].text, u"批量修改目录名称完成！"_s);
    }

    void aSuccessfulRenameAndTheRowAfterwards()
    {
        TestTree tree;
        tree.makeFolders({u"p/旧 名/inner"_s});
        TestPlatform test;
        Form1 window(test.platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString parent = tree.path(u"p"_s);
        addRow(window.rows(), parent, u"旧 名"_s, u"新 名"_s);
        confirm(window);
        QVERIFY(tree.isFolder(u"p/新 名/inner"_s));
        QVERIFY(!tree.isFolder(u"p/旧 名"_s));
        const DirectoryRow& row = window.rows().row(0);
        QCOMPARE(row.verdict, u"修改成功"_s);
        QCOMPARE(row.name, u"新 名"_s);
        QCOMPARE(row.newName, u"新 名"_s);
        QCOMPARE(row.key, parent + u"/新 名"_s);
        QCOMPARE(window.rows().data(window.rows().index(0, 0)).toString(), u"新 名"_s);

        auto& list = window.listView();
        QTest::mouseMove(list.viewport(), list.visualRect(window.rows().index(0, 0)).center());
        QTRY_COMPARE(window.findChild<QLabel*>(u"StatusBar1Panel2"_s)->text(), row.key);
        list.setCurrentIndex(window.rows().index(0, 0));
        window.findChild<QAction*>(u"menu打开修改前目录"_s)->trigger();
        QCOMPARE(test.shell.openedPaths, QStringList{row.key});

        // Once more without a new preview: the name is the same now.
        confirm(window);
        QCOMPARE(window.rows().row(0).verdict, u"目录名称一样"_s);
    }

    void verdictsOfTheOrdinaryCases()
    {
        TestTree tree;
        tree.makeFolders({u"unpreviewed"_s, u"case"_s, u"x1"_s, u"x2"_s, u"a"_s, u"b"_s, u"c1"_s,
                          u"c2"_s, u"full"_s, u"emptyTarget"_s, u"nonEmpty/child"_s, u"intoFile"_s,
                          u"intoLink"_s, u"slash"_s, u"sib"_s, u"long"_s, u"dots"_s});
        tree.makeFile(u"aFile"_s);
        QVERIFY(QFile::link(tree.path(u"sib"_s), tree.path(u"aLink"_s)));
        TestPlatform test;
        Form1 window(test.platform);
        DirectoryListModel& rows = window.rows();
        const QString root = tree.root();
        QVERIFY(rows.append(JoinPath(root, u"unpreviewed"_s), u"unpreviewed"_s, root)); // 0
        addRow(rows, root, u"case"_s, u"CASE"_s);                                       // 1
        addRow(rows, root, u"x1"_s, u"same"_s);                                         // 2
        addRow(rows, root, u"x2"_s, u"same"_s);                                         // 3
        addRow(rows, root, u"a"_s, u"b"_s);                                             // 4
        addRow(rows, root, u"b"_s, u"c"_s);                                             // 5
        addRow(rows, root, u"c2"_s, u"c1"_s);                                           // 6
        addRow(rows, root, u"emptyTarget"_s, u"nonEmpty"_s);                            // 7
        addRow(rows, root, u"intoFile"_s, u"aFile"_s);                                  // 8
        addRow(rows, root, u"intoLink"_s, u"aLink"_s);                                  // 9
        addRow(rows, root, u"slash"_s, u"sib/x"_s);                                     // 10
        addRow(rows, root, u"long"_s, QString(256, u'n'));                              // 11
        addRow(rows, root, u"dots"_s, u".."_s);                                         // 12
        addRow(rows, root, u"full"_s, u"with\0nul"_s);                                  // 13
        const quint64 fileInode = inodeOf(tree.path(u"aFile"_s));

        confirm(window);
        QCOMPARE(verdictOf(rows, 0), u"目录已经存在"_s);
        // This file system tells case apart: a case-only change is a real rename.
        QCOMPARE(verdictOf(rows, 1), u"修改成功"_s);
        QVERIFY(tree.isFolder(u"CASE"_s));
        QCOMPARE(verdictOf(rows, 2), u"修改成功"_s);
        QCOMPARE(verdictOf(rows, 3), u"目录已经存在"_s);
        QCOMPARE(verdictOf(rows, 4), u"目录已经存在"_s); // b still exists
        QCOMPARE(verdictOf(rows, 5), u"修改成功"_s);
        QCOMPARE(verdictOf(rows, 6), u"目录已经存在"_s);
        QCOMPARE(verdictOf(rows, 7), u"目录已经存在"_s);
        // Never replaced: a file or a link in the way is reported, and stays.
        QVERIFY(verdictOf(rows, 8).startsWith(u"修改出错:"_s));
        QCOMPARE(inodeOf(tree.path(u"aFile"_s)), fileInode);
        QCOMPARE(verdictOf(rows, 9), u"目录已经存在"_s); // a link to a folder is a folder
        QCOMPARE(verdictOf(rows, 10), u"修改出错:新名称不是有效的文件夹名称"_s);
        QVERIFY(tree.isFolder(u"slash"_s));
        QCOMPARE(tree.entries(u"sib"_s), QStringList());
        QCOMPARE(verdictOf(rows, 11), u"修改出错:新名称太长"_s);
        QCOMPARE(verdictOf(rows, 12), u"目录已经存在"_s);
        QCOMPARE(verdictOf(rows, 13), u"修改出错:新名称不是有效的文件夹名称"_s);
        for (int i : {0, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13})
            QCOMPARE(rows.row(i).key, JoinPath(root, rows.row(i).name));
        QVERIFY(tree.isFolder(u"nonEmpty/child"_s));
        QVERIFY(tree.isFolder(u"emptyTarget"_s));
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

    void aSubfolderOfAFolderRenamedEarlierFails()
    {
        TestTree tree;
        tree.makeFolders({u"outer/inner"_s});
        TestPlatform test;
        Form1 window(test.platform);
        addRow(window.rows(), tree.root(), u"outer"_s, u"moved"_s);
        addRow(window.rows(), tree.path(u"outer"_s), u"inner"_s, u"inner2"_s);
        confirm(window);
        QCOMPARE(verdictOf(window.rows(), 0), u"修改成功"_s);
        QCOMPARE(verdictOf(window.rows(), 1), u"修改出错:找不到要修改的目录"_s);
        QVERIFY(tree.isFolder(u"moved/inner"_s));
    }

    // Faults the tests cannot make for real when they run as root, or races.
    void injectedFaults()
    {
        TestTree tree;
        tree.makeFolders({u"denied"_s, u"race"_s, u"other"_s});
        TestPlatform test;
        test.fileSystem.beforeRename = [&](const QString& from,
                                           const QString& to) -> std::optional<FileSystemError> {
            if (from.endsWith(u"/denied"_s))
                return FileSystemError{FileSystemError::Kind::PermissionDenied, u"x"_s};
            if (from.endsWith(u"/other"_s))
                return FileSystemError{FileSystemError::Kind::Other, u"系统的说明"_s};
            QDir().mkdir(to); // a folder appears after the exists test
            return std::nullopt;
        };
        Form1 window(test.platform);
        addRow(window.rows(), tree.root(), u"denied"_s, u"d2"_s);
        addRow(window.rows(), tree.root(), u"race"_s, u"r2"_s);
        addRow(window.rows(), tree.root(), u"other"_s, u"o2"_s);
        confirm(window);
        QCOMPARE(verdictOf(window.rows(), 0), u"修改出错:没有权限修改这个目录"_s);
        QCOMPARE(verdictOf(window.rows(), 1), u"修改出错:新名称已被另一个文件或目录占用"_s);
        QCOMPARE(verdictOf(window.rows(), 2), u"修改出错:系统的说明"_s);
        QVERIFY(tree.isFolder(u"race"_s));
        QVERIFY(tree.isFolder(u"r2"_s));
        QCOMPARE(window.rows().row(1).name, u"race"_s);
    }

    void aRootRowIsNeverRenamed()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s});
        TestPlatform test;
        Form1 window(test.platform);
        QVERIFY(window.rows().append(u"/"_s, QString(), QString()));
        window.rows().setProposal(0, u"x"_s, {});
        addRow(window.rows(), tree.root(), u"a"_s, u"b"_s);
        confirm(window);
        QCOMPARE(verdictOf(window.rows(), 0), u"根目录不能修改"_s);
        QCOMPARE(test.fileSystem.renameCalls, 1);
        QCOMPARE(verdictOf(window.rows(), 1), u"修改成功"_s);
    }

    // A few thousand rows: the passes that write all rows at once give the same results.
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
        window.show();
        DirectoryListModel& rows = window.rows();
        const QString parent = tree.path(u"p"_s);
        for (int i = 0; i < n; ++i)
            QVERIFY(rows.append(JoinPath(parent, u"d"_s + QString::number(i)),
                                u"d"_s + QString::number(i), parent));
        QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
        RenameRule rule;
        rule.appendText = u"_x"_s;
        QVERIFY(SimulateRename(rows, test.fileSystem, rule));
        QCOMPARE(changed.size(), 1);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(rows.row(i).newName, u"d"_s + QString::number(i) + u"_x"_s);
            QCOMPARE(rows.row(i).verdict, i == 7 ? u"有相同目录"_s : u"可以修改"_s);
        }
        confirm(window);
        QCOMPARE(changed.size(), 2);
        for (int i = 0; i < n; ++i) {
            const QString expected = i == 7 ? u"d7"_s : u"d"_s + QString::number(i) + u"_x"_s;
            QCOMPARE(rows.row(i).name, expected);
            QCOMPARE(rows.row(i).key, JoinPath(parent, expected));
            QVERIFY(tree.isFolder(u"p/"_s + expected));
        }
        QCOMPARE(tree.entries(u"p"_s).size(), n + 1);
        // What the view shows is what the rows hold.
        const QModelIndex first = rows.index(0, DirectoryListModel::VerdictColumn);
        QCOMPARE(window.listView().model()->data(first).toString(), u"修改成功"_s);
    }

    // Random trees, rules and row orders: after the preview and the rename, no folder is
    // lost, replaced, merged or moved out of its parent, and every verdict agrees with the disk.
    void nothingIsEverLostProperty()
    {
        QRandomGenerator random(20261207);
        const QStringList pieces{u"a"_s, u"A"_s, u"b"_s, u" "_s, u"目录"_s, u"x"_s, u"/"_s};
        const auto randomText = [&](int maxLength) {
            QString text;
            const int length = random.bounded(maxLength + 1);
            for (int i = 0; i < length; ++i)
                text += pieces[random.bounded(pieces.size())];
            return text;
        };

        for (int round = 0; round < 300; ++round) {
            TestTree tree;
            // Up to 6 folders in one parent, each with a marker file naming it.
            QStringList names;
            const int count = 1 + random.bounded(6);
            while (names.size() < count) {
                const QString name = TrimSpaces(randomText(3)).remove(u'/');
                if (!name.isEmpty() && !names.contains(name))
                    names.append(name);
            }
            for (int i = 0; i < names.size(); ++i) {
                tree.makeFolders({names[i]});
                QFile marker(tree.path(names[i] + u"/marker"_s + QString::number(i)));
                QVERIFY(marker.open(QIODevice::WriteOnly));
            }

            RenameRule rule;
            rule.kind = RenameRule::Kind(random.bounded(3));
            rule.appendText = randomText(2);
            rule.prependText = randomText(2);
            rule.findText = randomText(2);
            rule.replaceWith = randomText(2);

            TestPlatform test;
            Form1 window(test.platform);
            DirectoryListModel& rows = window.rows();
            QList<int> order(names.size());
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), std::mt19937(random.generate()));
            for (int i : order)
                QVERIFY(rows.append(tree.path(names[i]), names[i], tree.root()));
            SimulateRename(rows, test.fileSystem, rule);
            confirm(window);

            // Every marker is found exactly once, one level below the root.
            QDirIterator it(tree.root(), QDir::Files, QDirIterator::Subdirectories);
            QStringList markers;
            while (it.hasNext()) {
                const QString path = it.next();
                QCOMPARE(QFileInfo(QFileInfo(path).path()).path(), tree.root());
                markers.append(it.fileName());
            }
            QCOMPARE(markers.size(), names.size());
            QCOMPARE(tree.entries().size(), names.size());

            for (int r = 0; r < rows.count(); ++r) {
                const DirectoryRow& row = rows.row(r);
                const int original = order[r];
                const QString marker = u"/marker"_s + QString::number(original);
                // The row's key names its folder whatever the verdict.
                QVERIFY2(QFileInfo::exists(row.key + marker),
                         qPrintable(row.key + u" "_s + row.verdict));
                if (row.verdict == u"修改成功"_s)
                    QCOMPARE(row.name, row.newName);
                else
                    QCOMPARE(row.name, names[original]);
            }
        }
    }
};

QTEST_MAIN(TestBatchRename)
#include "tst_batchrename.moc"
