#include "collect/DirListBox.h"
#include "collect/FormAdd.h"
#include "mainwindow/Form1.h"
#include "platform/PathJoin.h"
#include "rename/RecordStore.h"
#include "rows/DirectoryListModel.h"
#include "rules/FormRename.h"
#include "rules/SimulateRename.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The dialog as the user meets it: shown, its lists read.
void Open(FormAdd& dialog)
{
    QSignalSpy filled(&dialog, &FormAdd::listsFilled);
    dialog.show();
    QVERIFY(filled.wait());
}

constexpr int folderCount = 5;

QString folderName(int i)
{
    return u"d"_s + QString::number(i);
}

// p/d0 .. p/d4, by their paths.
QStringList makeFolders(TestTree& tree)
{
    QStringList paths;
    for (int i = 0; i < folderCount; ++i) {
        tree.makeFolders({u"p/"_s + folderName(i)});
        paths.append(tree.path(u"p/"_s + folderName(i)));
    }
    return paths;
}

// Once the progress dialog is up (a held call keeps the pass going): `act`, then the call
// returns.
void WhenProgressShown(FaultyFileSystem& fileSystem, std::function<void(QWidget* dialog)> act)
{
    WhenDialogShown([&fileSystem, act = std::move(act)](QWidget* dialog) {
        QCOMPARE(dialog->objectName(), u"PassProgressDialog"_s);
        act(dialog);
        fileSystem.release();
    });
}

void clickCancel(QWidget* dialog)
{
    QPushButton* cancel = FindChild<QPushButton>(*dialog, u"cancelButton"_s);
    QCOMPARE(cancel->text(), u"取消"_s);
    cancel->click();
}

} // namespace

// The passes over many folders on their worker thread: cancel, a call that hangs, closing.
class TestLongPasses : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    // The user cancels while the file system holds the pass in a call; the call completes,
    // its folder's row says so, and no later folder is touched, on disk or in the rows.
    void cancelStopsBeforeTheNextFolder_data()
    {
        QTest::addColumn<QString>("pass");
        QTest::addColumn<int>("heldCall");
        for (const QString& pass : {u"add"_s, u"preview"_s, u"rename"_s, u"undo"_s}) {
            for (const int held : {0, folderCount / 2, folderCount - 1})
                QTest::addRow("%s at %d", qPrintable(pass), held) << pass << held;
        }
    }
    void cancelStopsBeforeTheNextFolder()
    {
        QFETCH(QString, pass);
        QFETCH(int, heldCall);
        TestTree tree;
        const QStringList paths = makeFolders(tree);
        TestPlatform test;
        Form1 window(test.platform);
        DirectoryListModel& rows = window.rows();
        if (pass != u"add"_s) {
            window.addFolders(paths);
            QVERIFY(SimulateRename(rows, test.fileSystem, AppendRule(u"_x"_s), test.passes));
        }
        if (pass == u"undo"_s)
            window.confirmRename();
        test.messageBoxes.shown.clear();

        const bool cutShort = heldCall < folderCount - 1;
        const int callsBefore = test.fileSystem.folderCalls();
        test.fileSystem.holdCall(callsBefore + heldCall);
        bool progressShown = false;
        WhenProgressShown(test.fileSystem, [&](QWidget* dialog) {
            progressShown = true;
            QVERIFY(FindChild<QLabel>(*dialog, u"progressLabel"_s)
                        ->text()
                        .endsWith(u" / "_s + QString::number(folderCount)));
            // Meanwhile nothing else changes the rows, no second pass starts, and the dialog's
            // Esc and close box cancel rather than free the window.
            QVERIFY(!rows.removeAll() && !rows.removeMarked(std::vector<bool>(100, true)));
            QCOMPARE(rows.appendAll({DirectoryRow{{}, u"/x"_s, u"/"_s, {}, {}, {}}}), 0);
            QCOMPARE(SimulateRename(rows, test.fileSystem, AppendRule(u"_z"_s), test.passes),
                     PassEnd::Refused);
            QCOMPARE(test.passes.run(
                         {}, 0, [](PassControl&) {}, [] {}),
                     PassEnd::Refused);
            // What the pass did before the call it is held in shows in the rows already.
            const int last = pass == u"undo"_s ? folderCount - heldCall : heldCall - 1;
            if (pass == u"add"_s)
                QCOMPARE(rows.count(), heldCall);
            else if (pass == u"preview"_s && heldCall > 0)
                QCOMPARE(rows.row(last).newName, folderName(last) + u"_y"_s);
            else if (heldCall > 0)
                QCOMPARE(rows.row(last).name(),
                         folderName(last) + (pass == u"undo"_s ? u""_s : u"_x"_s));
            QTest::keyClick(dialog, Qt::Key_Escape);
            dialog->close();
            QVERIFY(dialog->isVisible());
            clickCancel(dialog);
        });
        std::optional<PassEnd> end;
        if (pass == u"add"_s)
            end = window.addFolders(paths).end;
        else if (pass == u"preview"_s) {
            FormRename dialog(&window, rows, test.fileSystem, test.passes);
            dialog.show();
            FindChild<QLineEdit>(dialog, u"Text1"_s)->setText(u"_y"_s);
            dialog.simulate();
            QCOMPARE(dialog.isVisible(), cutShort); // cancelled, it stays open to try again
        } else if (pass == u"rename"_s)
            window.confirmRename();
        else
            window.undoRename();
        QVERIFY(progressShown);
        QCOMPARE(test.fileSystem.folderCalls() - callsBefore, heldCall + 1);
        if (end)
            QCOMPARE(*end, cutShort ? PassEnd::Cancelled : PassEnd::Completed);

        // Folders reached: 0..heldCall, except the undo, which goes newest first.
        const auto reached = [&](int i) {
            return pass == u"undo"_s ? i >= folderCount - 1 - heldCall : i <= heldCall;
        };
        if (pass == u"add"_s) {
            QCOMPARE(KeysOf(rows), paths.mid(0, heldCall + 1));
            return;
        }
        for (int i = 0; i < folderCount; ++i) {
            const DirectoryRow& row = rows.row(i);
            const QString name = folderName(i);
            if (pass == u"preview"_s) {
                QCOMPARE(row.newName, name + (reached(i) ? u"_y"_s : u"_x"_s));
                QVERIFY(tree.isFolder(u"p/"_s + name));
            } else if (pass == u"rename"_s) {
                QCOMPARE(row.name(), reached(i) ? name + u"_x"_s : name);
                QCOMPARE(row.verdictText(), reached(i) ? u"修改成功"_s : u"可以修改"_s);
                QVERIFY(tree.isFolder(u"p/"_s + row.name()));
            } else {
                QCOMPARE(row.name(), reached(i) ? name : name + u"_x"_s);
                QCOMPARE(row.verdictText(), reached(i) ? u"已撤销"_s : u"修改成功"_s);
                QVERIFY(tree.isFolder(u"p/"_s + row.name()));
            }
        }
        QCOMPARE(tree.entries(u"p"_s).size(), folderCount);
        if (pass == u"rename"_s) {
            const int renamed = cutShort ? heldCall + 1 : folderCount;
            QCOMPARE(test.messageBoxes.shown.last().text,
                     (cutShort
                          ? u"批量修改已取消：%1 个目录已改名，其余目录没有修改。"_s.arg(renamed)
                          : u"批量修改目录名称完成！"_s) +
                         u"\n修改成功 %1 个，修改出错 0 个，未修改 %2 个。"_s.arg(renamed).arg(
                             folderCount - renamed));
            // On record: the folders it renamed, none it never reached.
            RecordStore records(test.recordFiles);
            QCOMPARE(records.read(records.history().first().name)->entries.size(), size_t(renamed));
        }
        if (pass == u"undo"_s) {
            const int undone = heldCall + 1;
            QCOMPARE(test.messageBoxes.shown.last().text,
                     (cutShort ? u"撤销已取消：已恢复 %1 个目录的原名，其余的仍可再次撤销。"_s
                               : u"已恢复 %1 个目录的原名。"_s)
                             .arg(undone) +
                         u"\n恢复成功 %1 个，恢复出错 0 个，未恢复 %2 个。"_s.arg(undone).arg(
                             folderCount - undone));
            // What the cancel left out can still be undone.
            QCOMPARE(FindChild<QAction>(window, u"menu撤销修改"_s)->isEnabled(), cutShort);
        }
    }

    // Drives that do not answer when the add dialog opens: the progress dialog says what it
    // waits for, the keys the user types meanwhile do not cancel it, and the add dialog comes
    // up with the drives once they answer.
    void addDialogWaitsForTheDrives()
    {
        TestPlatform test;
        Form1 window(test.platform);
        test.fileSystem.holdCall(test.fileSystem.folderCalls());
        bool progressShown = false;
        WhenProgressShown(test.fileSystem, [&](QWidget* progress) {
            progressShown = true;
            QCOMPARE(FindChild<QLabel>(*progress, u"progressLabel"_s)->text(),
                     u"正在读取驱动器……"_s);
            progress->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(progress));
            for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
                QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(FindChild<QPushButton>(*progress, u"cancelButton"_s)->isEnabled());
        });
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        QVERIFY(!progressShown); // not before the dialog is up
        Open(dialog);
        QVERIFY(progressShown);
        QVERIFY(FindChild<QComboBox>(dialog, u"Drive1"_s)->count() > 0);
    }

    // Opening a folder on a drive that does not answer: 取消 leaves Dir1 where it was.
    void cancelledListingLeavesTheBoxAsItWas()
    {
        TestTree tree;
        tree.makeFolders({u"p/a"_s, u"q/b"_s, u"q/c"_s});
        TestPlatform test;
        Form1 window(test.platform);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        DirListBox& box = dialog.directoryList();
        QVERIFY(box.setPath(tree.path(u"p"_s)));
        test.fileSystem.holdCall(test.fileSystem.folderCalls());
        WhenProgressShown(test.fileSystem, [](QWidget* progress) {
            QCOMPARE(FindChild<QLabel>(*progress, u"progressLabel"_s)->text(), u"正在读取目录……"_s);
            clickCancel(progress);
        });
        QVERIFY(!box.setPath(tree.path(u"q"_s)));
        QCOMPARE(box.Path(), tree.path(u"p"_s));
        QCOMPARE(box.ListCount(), 1);
    }

    // A call that does not return: the dialog says it waits; closing the main window asks
    // nothing, cancels, and closes it once the call has returned.
    void closingDuringAHangingCall()
    {
        TestTree tree;
        const QStringList paths = makeFolders(tree);
        TestPlatform test;
        Form1 window(test.platform);
        window.show();
        window.addFolders(paths);
        QVERIFY(SimulateRename(window.rows(), test.fileSystem, AppendRule(u"_x"_s), test.passes));
        test.messageBoxes.shown.clear();

        test.fileSystem.holdCall(test.fileSystem.folderCalls() + 1);
        WhenProgressShown(test.fileSystem, [&](QWidget* dialog) {
            QLabel* waiting = FindChild<QLabel>(*dialog, u"waitingLabel"_s);
            QTRY_COMPARE_WITH_TIMEOUT(waiting->text(), u"正在等待磁盘或网络响应……"_s, 10000);
            QVERIFY(!window.close());
            QVERIFY(window.isVisible());
            QTRY_COMPARE(waiting->text(), u"正在取消，等待当前的操作结束……"_s);
        });
        window.confirmRename();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(test.messageBoxes.shown.size(), 1); // the question before the batch, no more
        QCOMPARE(tree.entries(u"p"_s),
                 (QStringList{u"d0_x"_s, u"d1_x"_s, u"d2"_s, u"d3"_s, u"d4"_s}));
    }
};

FBR_TEST_MAIN(TestLongPasses)
#include "tst_longpasses.moc"
