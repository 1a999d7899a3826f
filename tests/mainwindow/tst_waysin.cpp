#include "mainwindow/CommandLine.h"
#include "mainwindow/Form1.h"
#include "rows/DirectoryListModel.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

// Folders come in from the desktop too: dropped on the window, or named on the command line.
class TestWaysIn : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    // Drops of local folders, files and web addresses on the real window: any local path is
    // taken without asking the disk during the drag; only folders become rows, once each, with
    // one notification for the drop, and what was left out is said in one message.
    void drops_data()
    {
        QTest::addColumn<QStringList>("dropped"); // relative to the tree, or an address
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QString>("leftOut"); // the message's second line, if any
        QTest::newRow("a folder") << QStringList{u"a"_s} << true << QStringList{u"a"_s}
                                  << QString();
        QTest::newRow("several") << QStringList{u"a"_s, u"b"_s} << true
                                 << QStringList{u"a"_s, u"b"_s} << QString();
        QTest::newRow("already listed")
            << QStringList{u"listed"_s} << true << QStringList() << QString();
        QTest::newRow("a file") << QStringList{u"file"_s} << true << QStringList()
                                << u"file（不是目录）"_s;
        QTest::newRow("a mixture")
            << QStringList{u"file"_s, u"b"_s, u"listed"_s, u"https://example.com/a"_s} << true
            << QStringList{u"b"_s} << u"file（不是目录）"_s;
        QTest::newRow("a web address")
            << QStringList{u"https://example.com/a"_s} << false << QStringList() << QString();
        QTest::newRow("spaces and Chinese")
            << QStringList{u"新 目录"_s} << true << QStringList{u"新 目录"_s} << QString();
        // As the system reads them, never a row named ".." or ".".
        QTest::newRow("through ..")
            << QStringList{u"b/../a"_s} << true << QStringList{u"a"_s} << QString();
        QTest::newRow("ending in .")
            << QStringList{u"b/."_s} << true << QStringList{u"b"_s} << QString();
    }
    void drops()
    {
        QFETCH(QStringList, dropped);
        QFETCH(bool, accepted);
        QFETCH(QStringList, added);
        QFETCH(QString, leftOut);
        TestTree tree;
        tree.makeFolders({u"a"_s, u"b"_s, u"listed"_s, u"新 目录"_s});
        tree.makeFile(u"file"_s);
        TestPlatform test;
        Form1 window(test.platform);
        window.addFolders({tree.path(u"listed"_s)});
        QVERIFY(ShowActive(window));

        QMimeData data;
        QList<QUrl> urls;
        for (const QString& item : dropped)
            urls.append(item.contains(u':') ? QUrl(item) : QUrl::fromLocalFile(tree.path(item)));
        data.setUrls(urls);
        QWidget* target = window.findChild<QWidget*>(u"ListView1"_s);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QSignalSpy inserted(&window.rows(), &QAbstractItemModel::rowsInserted);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (accepted)
            QApplication::sendEvent(target, &drop);
        QStringList expected{tree.path(u"listed"_s)};
        for (const QString& item : added)
            expected.append(tree.path(item));
        QCOMPARE(KeysOf(window.rows()), expected);
        QCOMPARE(inserted.size(), added.isEmpty() ? 0 : 1);
        QCOMPARE(window.findChild<QLabel*>(u"Label2"_s)->text(), QString::number(expected.size()));
        if (leftOut.isEmpty()) {
            QCoreApplication::processEvents();
            QVERIFY(test.messageBoxes.shown.isEmpty());
        } else {
            QTRY_COMPARE(test.messageBoxes.shown.size(), 1);
            QCOMPARE(test.messageBoxes.shown[0].text.section(u'\n', 1, 1),
                     tree.path(leftOut.section(u'（', 0, 0)) + u'（' + leftOut.section(u'（', 1));
        }
    }

    // The command line: paths as the shell gives them, full paths in the list, and every path
    // left out named with its reason.
    void commandLine()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s, u"sub/b"_s, u"sub/c"_s, u"c"_s});
        tree.makeFile(u"file"_s);
        const QStringList paths = FolderArguments(
            {u"a"_s, u"sub/../sub/b"_s, tree.path(u"a"_s), u"missing"_s, u"file"_s}, tree.root());
        QCOMPARE(paths, (QStringList{tree.path(u"a"_s), tree.path(u"sub/b"_s), tree.path(u"a"_s),
                                     tree.path(u"missing"_s), tree.path(u"file"_s)}));
        // Through a link, ".." leads where the system goes, not where the text points.
        if (tree.link(u"sub/b"_s, u"L"_s)) {
            QCOMPARE(FolderArguments({u"L/../c"_s}, tree.root()),
                     QStringList{QFileInfo(tree.path(u"sub"_s)).canonicalFilePath() + u"/c"_s});
        }
        TestPlatform test;
        Form1 window(test.platform);
        // Another spelling of a listed folder is the same row (Windows paths hold no "."):
        // through a link to its parent too, though the key differs then.
        QStringList otherSpellings;
        if (!OnWindows())
            otherSpellings.append(tree.root() + u"/./a"_s);
        if (tree.link(u"sub"_s, u"S"_s))
            otherSpellings.append(tree.root() + u"/S/b"_s);
        const AdditionReport report = window.addFolders(paths + otherSpellings);
        QCOMPARE(KeysOf(window.rows()), (QStringList{tree.path(u"a"_s), tree.path(u"sub/b"_s)}));
        QCOMPARE(report.skippedMessage(),
                 u"下列 2 项没有加入列表：\n%1（不存在）\n%2（不是目录）"_s.arg(
                     tree.path(u"missing"_s), tree.path(u"file"_s)));

        // A folder's background menu lists its subfolders, as the add dialog's 子目录 does.
        TestPlatform other;
        Form1 background(other.platform);
        const AdditionReport inside =
            background.addSubfolders({tree.path(u"sub"_s), tree.path(u"missing"_s)});
        QCOMPARE(KeysOf(background.rows()),
                 (QStringList{tree.path(u"sub/b"_s), tree.path(u"sub/c"_s)}));
        QCOMPARE(inside.skippedMessage(),
                 u"下列 1 项没有加入列表：\n%1（无法读取）"_s.arg(tree.path(u"missing"_s)));
    }

    // A file manager's menu starts the program once per selected folder, all at once: one
    // start gathers every folder, the others hand theirs over and end.
    void twentyStartsAtOnceMakeOneList()
    {
        const QString childProgram = QStandardPaths::findExecutable(
            u"gather_child"_s, {QCoreApplication::applicationDirPath()});
        QVERIFY(!childProgram.isEmpty());
        QTemporaryDir meeting;
        std::vector<std::unique_ptr<QProcess>> starts;
        QStringList folders;
        for (int i = 0; i < 20; ++i) {
            folders.append(u"文件夹 %1"_s.arg(i));
            starts.push_back(std::make_unique<QProcess>());
            starts.back()->start(childProgram, {meeting.path(), folders.back(), u"3000"_s});
        }
        QStringList gathered;
        int gatherers = 0;
        for (const auto& start : starts) {
            QVERIFY(start->waitForFinished(60000));
            QCOMPARE(start->exitCode(), 0);
            const QString printed = QString::fromUtf8(start->readAllStandardOutput());
            if (!printed.isEmpty()) {
                ++gatherers;
                gathered = QString(printed).remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
            }
        }
        QCOMPARE(gatherers, 1);
        gathered.sort();
        folders.sort();
        QCOMPARE(gathered, folders);
    }
};

FBR_TEST_MAIN(TestWaysIn)
#include "tst_waysin.moc"
