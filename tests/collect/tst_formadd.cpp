#include "collect/DirListBox.h"
#include "collect/FormAdd.h"
#include "collect/StartFolder.h"
#include "mainwindow/Form1.h"
#include "rows/DirectoryListModel.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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

void press(FormAdd& dialog, const QString& option)
{
    FindChild<QRadioButton>(dialog, option)->setChecked(true);
    FindChild<QPushButton>(dialog, u"Command1"_s)->click();
}

QString rowCountText(Form1& window)
{
    return window.findChild<QLabel*>(u"Label2"_s)->text();
}

} // namespace

class TestFormAdd : public QObject
{
    Q_OBJECT

    TestTree* tree = nullptr;
    QString startDirectory;

private Q_SLOTS:
    void init()
    {
        tree = new TestTree;
        // Natural order, hidden folders out, files out, only one level.
        tree->makeFolders(
            {u"top/dir10"_s, u"top/dir2"_s, u"top/Dir3/深层"_s, u"top/.hidden"_s, u"empty"_s});
        tree->makeFile(u"top/file"_s);
        startDirectory = QDir::currentPath();
        QDir::setCurrent(tree->path(u"top"_s));
    }

    void cleanup()
    {
        QDir::setCurrent(startDirectory);
        delete tree;
        VerifyNoWindowLeftOpen();
    }

    void opensFreshAtTheWorkingDirectory()
    {
        TestPlatform test;
        Form1 window(test.platform);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        QCOMPARE(dialog.windowTitle(), u"添加目录"_s);
        QCOMPARE(dialog.size(), QSize(416, 258));
        QVERIFY(dialog.windowFlags() & Qt::Tool);
        QVERIFY(FindChild<QRadioButton>(dialog, u"Option2"_s)->isChecked());
        DirListBox& dir1 = dialog.directoryList();
        QCOMPARE(dir1.Path(), tree->path(u"top"_s));
        QCOMPARE(dir1.ListIndex(), -1);
        QCOMPARE(dir1.ListCount(), 3);
        QCOMPARE(dir1.List(0), tree->path(u"top/dir2"_s));
        QCOMPARE(dir1.List(1), tree->path(u"top/Dir3"_s));
        QCOMPARE(dir1.List(2), tree->path(u"top/dir10"_s));
        QCOMPARE(dir1.List(3), QString());
        QCOMPARE(dir1.List(-1), tree->path(u"top"_s));
        QCOMPARE(dir1.List(-2), tree->root());
        // Up to the root, which keeps its separator.
        int index = -1;
        while (dir1.List(index - 1) != QString())
            --index;
        QCOMPARE(dir1.List(index), fileSystemRoot());
        QVERIFY(!FindChild<QComboBox>(dialog, u"Drive1"_s)->currentText().isEmpty());
        QVERIFY(!dir1.accessibleName().isEmpty());
        QVERIFY(!FindChild<QComboBox>(dialog, u"Drive1"_s)->accessibleName().isEmpty());
        for (const QString& name : {u"Command1"_s, u"Command2"_s})
            QVERIFY(!FindChild<QPushButton>(dialog, name)->autoDefault());
    }

    void theThreeModes()
    {
        TestPlatform test;
        Form1 window(test.platform);
        window.rows().append(u"/already"_s, u"/"_s);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        const QString top = tree->path(u"top"_s);

        press(dialog, u"Option1"_s);
        QCOMPARE(KeysOf(window.rows()), (QStringList{u"/already"_s, top}));
        QCOMPARE(window.rows().row(1).name(), u"top"_s);
        QCOMPARE(window.rows().row(1).parent, tree->root());
        QCOMPARE(rowCountText(window), u"2"_s);

        // Selected item and subdirectories: only the subdirectories are new, in Dir1's order.
        QSignalSpy inserted(&window.rows(), &QAbstractItemModel::rowsInserted);
        press(dialog, u"Option3"_s);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(KeysOf(window.rows()).mid(2),
                 (QStringList{tree->path(u"top/dir2"_s), tree->path(u"top/Dir3"_s),
                              tree->path(u"top/dir10"_s)}));
        QCOMPARE(window.rows().row(3).parent, top);
        QCOMPARE(window.rows().row(3).name(), u"Dir3"_s);
        QCOMPARE(window.rows().row(3).newName, QString());
        QCOMPARE(window.rows().row(3).verdictText(), QString());
        QCOMPARE(rowCountText(window), u"5"_s);

        // Pressing again adds nothing and says nothing.
        press(dialog, u"Option2"_s);
        QCOMPARE(window.rows().count(), 5);
        QCOMPARE(rowCountText(window), u"5"_s);
        QVERIFY(test.messageBoxes.shown.isEmpty());
        QVERIFY(FindChild<QPushButton>(dialog, u"Command1"_s)->isEnabled());
    }

    // Letter case aside, names keep the order they were read in; numbers count as numbers.
    void naturalOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("numbers") << QStringList{u"d10"_s, u"d9"_s, u"d1"_s}
                                 << QStringList{u"d1"_s, u"d9"_s, u"d10"_s};
        QTest::newRow("case ignored") << QStringList{u"B"_s, u"b"_s, u"A"_s, u"a"_s}
                                      << QStringList{u"A"_s, u"a"_s, u"B"_s, u"b"_s};
        QTest::newRow("case ignored, other order") << QStringList{u"b"_s, u"a"_s, u"B"_s, u"A"_s}
                                                   << QStringList{u"a"_s, u"A"_s, u"b"_s, u"B"_s};
        QTest::newRow("by pinyin, full-width digits by value")
            << QStringList{u"北京"_s, u"第１０集"_s, u"阿里"_s, u"第2集"_s}
            << QStringList{u"阿里"_s, u"北京"_s, u"第2集"_s, u"第１０集"_s};
    }
    void naturalOrder()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        SortNaturally(names);
        QCOMPARE(names, sorted);
    }

    // Started from its own folder (a shortcut, a double-click on the portable program), the
    // dialog would offer the program's subfolders for renaming.
    void startFolder_data()
    {
        QTest::addColumn<QString>("working");
        QTest::addColumn<QString>("documents");
        QTest::addColumn<QString>("start");
        QTest::newRow("elsewhere") << u"p"_s << u"docs"_s << u"p"_s;
        QTest::newRow("the program's folder") << u"prog"_s << u"docs"_s << u"docs"_s;
        QTest::newRow("the program's folder, spelt otherwise")
            << u"prog/../prog/"_s << u"docs"_s << u"docs"_s;
        QTest::newRow("no documents folder") << u"prog"_s << u"none"_s << u"~"_s;
    }
    void startFolder()
    {
        QFETCH(QString, working);
        QFETCH(QString, documents);
        QFETCH(QString, start);
        tree->makeFolders({u"prog"_s, u"docs"_s});
        const QString expected = start == u"~"_s ? QDir::homePath() : tree->path(start);
        QCOMPARE(QDir::fromNativeSeparators(StartFolder(tree->path(working), tree->path(u"prog"_s),
                                                        tree->path(documents))),
                 QDir::fromNativeSeparators(expected));
    }

    void theOpenFolderAndItsSubfoldersIntoAnEmptyList()
    {
        TestPlatform test;
        Form1 window(test.platform);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        const QString top = tree->path(u"top"_s);
        press(dialog, u"Option3"_s);
        QCOMPARE(KeysOf(window.rows()),
                 (QStringList{top, tree->path(u"top/dir2"_s), tree->path(u"top/Dir3"_s),
                              tree->path(u"top/dir10"_s)}));
    }

    void noSubdirectoriesAndVanishedOnes()
    {
        TestPlatform test;
        Form1 window(test.platform);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        DirListBox& dir1 = dialog.directoryList();
        QVERIFY(dir1.setPath(tree->path(u"empty"_s)));
        press(dialog, u"Option2"_s);
        QCOMPARE(window.rows().count(), 0);
        QCOMPARE(rowCountText(window), u"0"_s);

        // Removed after the listing: skipped, the others added, and one message says so.
        QVERIFY(dir1.setPath(tree->path(u"top"_s)));
        QVERIFY(QDir(tree->path(u"top/dir2"_s)).removeRecursively());
        press(dialog, u"Option2"_s);
        QCOMPARE(window.rows().count(), 2);
        QVERIFY(!KeysOf(window.rows()).contains(tree->path(u"top/dir2"_s)));
        QCOMPARE(test.messageBoxes.shown.size(), 1);
        QCOMPARE(test.messageBoxes.shown[0].text, u"有 1 个目录没有加入列表：\n不存在：1 个"_s);
    }

    void theRootAndItsChildren()
    {
        TestPlatform test;
        Form1 window(test.platform);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        DirListBox& dir1 = dialog.directoryList();
        const QString root = fileSystemRoot();
        QVERIFY(dir1.setPath(root));
        QCOMPARE(dir1.Path(), root);
        press(dialog, u"Option1"_s);
        QCOMPARE(window.rows().count(), 1);
        QCOMPARE(window.rows().row(0).key, root);
        QCOMPARE(window.rows().row(0).name(), QString());
        QVERIFY(!window.rows().row(0).hasParent());

        press(dialog, u"Option2"_s);
        QVERIFY(window.rows().count() > 1);
        QCOMPARE(window.rows().row(1).parent, root);
        QCOMPARE(window.rows().row(1).key, root + window.rows().row(1).name());
    }

    void singleClicksClimbAndDescend()
    {
        TestPlatform test;
        Form1 window(test.platform);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        QVERIFY(ShowActive(dialog));
        DirListBox& dir1 = dialog.directoryList();
        QCOMPARE(QApplication::focusWidget(), &dir1);
        const auto clickEntry = [&dir1](int listIndex) {
            const int row = listIndex + (dir1.model()->rowCount() - dir1.ListCount());
            const QModelIndex index = dir1.model()->index(row, 0);
            dir1.scrollTo(index);
            QTest::mouseClick(dir1.viewport(), Qt::LeftButton, {}, dir1.visualRect(index).center());
        };
        clickEntry(1); // Dir3
        QCOMPARE(dir1.Path(), tree->path(u"top/Dir3"_s));
        QCOMPARE(dir1.ListCount(), 1);
        QCOMPARE(dir1.ListIndex(), -1);
        clickEntry(-3); // the tree's root, two up
        QCOMPARE(dir1.Path(), tree->root());

        // The keyboard opens the highlighted entry with Enter.
        dir1.setListIndex(dir1.ListCount() - 1); // "top" sorts after "empty"
        QTest::keyClick(&dir1, Qt::Key_Return);
        QCOMPARE(dir1.Path(), tree->path(u"top"_s));
        QVERIFY(dialog.isVisible());
    }

    void anEntryThatCannotBeOpenedLeavesTheBoxWhereItWas()
    {
        TestPlatform test;
        Form1 window(test.platform);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        DirListBox& dir1 = dialog.directoryList();
        QVERIFY(QDir(tree->path(u"top/dir10"_s)).removeRecursively());
        test.fileSystem.unreadable.append(tree->path(u"top/Dir3"_s));
        QVERIFY(!dir1.setPath(dir1.List(2)));
        QVERIFY(!dir1.setPath(dir1.List(1)));
        QCOMPARE(dir1.Path(), tree->path(u"top"_s));
        QCOMPARE(dir1.ListCount(), 3); // the listing is not re-read
    }

    void driveChange()
    {
        TestPlatform test;
        Form1 window(test.platform);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        auto* drive1 = FindChild<QComboBox>(dialog, u"Drive1"_s);
        DirListBox& dir1 = dialog.directoryList();
        dir1.setPath(fileSystemRoot());
        // The volume of the working directory opens at the working directory.
        const QString volume = test.fileSystem.volumeRootOf(QDir::currentPath());
        const int index = drive1->findData(volume);
        QVERIFY(index >= 0);
        dialog.openDrive(index);
        QCOMPARE(dir1.Path(), tree->path(u"top"_s));

        // A volume that cannot be read changes nothing but what Drive1 shows.
        test.fileSystem.unreadable.append(volume);
        test.fileSystem.unreadable.append(tree->path(u"top"_s));
        drive1->setCurrentIndex(index);
        dialog.openDrive(index);
        QCOMPARE(dir1.Path(), tree->path(u"top"_s));
        QCOMPARE(drive1->currentIndex(), index);
    }

    void aLinkToAFolderStandsForItself()
    {
        if (!tree->link(u"empty"_s, u"top/link"_s))
            QSKIP("no links to folders here");
        TestPlatform test;
        Form1 window(test.platform);
        FormAdd dialog(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        Open(dialog);
        QCOMPARE(dialog.directoryList().ListCount(), 4);
        press(dialog, u"Option2"_s);
        QVERIFY(KeysOf(window.rows()).contains(tree->path(u"top/link"_s)));
    }

    void openedFromTheMenuModally()
    {
        TestPlatform test;
        Form1 window(test.platform);
        window.show();
        bool answered = false;
        WhenDialogShown(
            [&](QWidget* dialog) {
                answered = true;
                QCOMPARE(dialog->objectName(), u"FormAdd"_s);
                QVERIFY(dialog->isModal());
                FindChild<QPushButton>(*dialog, u"Command1"_s)->click();
                QTest::keyClick(dialog, Qt::Key_Escape); // no cancel button
                QVERIFY(dialog->isVisible());
                FindChild<QPushButton>(*dialog, u"Command2"_s)->click();
            },
            AddDialogFilled);
        window.findChild<QAction*>(u"menu添加目录"_s)->trigger();
        QVERIFY(answered);
        QCOMPARE(window.rows().count(), 3);
        QCOMPARE(rowCountText(window), u"3"_s);
    }
};

FBR_TEST_MAIN(TestFormAdd)
#include "tst_formadd.moc"
