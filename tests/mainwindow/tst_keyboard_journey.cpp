#include "collect/DirListBox.h"
#include "collect/FormAdd.h"
#include "mainwindow/Form1.h"
#include "rows/DirectoryListModel.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Opens a menu of the menu bar by its access key and chooses its item.
void chooseFromMenu(QWidget& window, Qt::Key accessKey, int downPresses)
{
    // No window manager offscreen to give the window back its activation after a dialog.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(QApplication::activeWindow(), &window);
    QTest::keyClick(&window, accessKey, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QWidget* menu = QApplication::activePopupWidget();
    for (int i = 0; i < downPresses; ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
}

void press(Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), key);
}

QString focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

// Add, preview, confirm and About, with the keyboard alone.
class TestKeyboardJourney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    void wholeJourneyWithoutAMouse()
    {
        TestTree tree;
        tree.makeFolders({u"p/a"_s, u"p/b"_s});
        const QString startDirectory = QDir::currentPath();
        QDir::setCurrent(tree.path(u"p"_s));
        TestPlatform test;
        Form1 window(test.platform);
        QVERIFY(ShowActive(window));
        QCOMPARE(focused(), u"ListView1"_s);

        bool added = false;
        WhenDialogShown(
            [&](QWidget* dialog) {
                // A tool window, which Qt shows without activating: keys would go nowhere.
                QTRY_COMPARE(QApplication::activeWindow(), dialog);
                QCOMPARE(focused(), u"Dir1"_s);
                press(Qt::Key_Tab); // Drive1
                QCOMPARE(focused(), u"Drive1"_s);
                press(Qt::Key_Tab);
                QCOMPARE(focused(), u"Command1"_s);
                press(Qt::Key_Space); // the default mode: the subdirectories
                QCOMPARE(focused(), u"Command1"_s);
                press(Qt::Key_Tab); // into the options; Tab leaves the group in one step
                QCOMPARE(focused(), u"Option3"_s);
                press(Qt::Key_Tab);
                QCOMPARE(focused(), u"Command2"_s);
                added = true;
                press(Qt::Key_Space);
            },
            AddDialogFilled);
        chooseFromMenu(window, Qt::Key_L, 0);
        QVERIFY(added);
        QCOMPARE(window.rows().count(), 2);

        bool previewed = false;
        WhenDialogShown([&](QWidget*) {
            QCOMPARE(focused(), u"Option1"_s);
            press(Qt::Key_Tab);
            QCOMPARE(focused(), u"Text1"_s);
            QTest::keyClicks(QApplication::focusWidget(), u"_k"_s);
            press(Qt::Key_Tab, 4); // Text2, Text3, Text4, Command1
            QCOMPARE(focused(), u"Command1"_s);
            previewed = true;
            press(Qt::Key_Space);
        });
        chooseFromMenu(window, Qt::Key_R, 0);
        QVERIFY(previewed);
        QCOMPARE(window.rows().row(0).verdictText(), u"可以修改"_s);

        QString editable;
        WhenDialogShown([&](QWidget* dialog) {
            editable = FindChild<QTableView>(*dialog, u"tableNames"_s)
                           ->model()
                           ->index(0, 1)
                           .data()
                           .toString();
            press(Qt::Key_Escape);
        });
        chooseFromMenu(window, Qt::Key_R, 2); // 编辑新名称…, on the proposals
        QCOMPARE(editable, u"a_k"_s);

        chooseFromMenu(window, Qt::Key_R, 3); // 确认修改, below 更多规则… and 编辑新名称…
        QCOMPARE(test.messageBoxes.shown.size(), 2);
        QCOMPARE(tree.entries(u"p"_s), (QStringList{u"a_k"_s, u"b_k"_s}));

        bool aboutShown = false;
        WhenDialogShown([&](QWidget* dialog) {
            aboutShown = dialog->objectName() == u"frmAbout"_s;
            press(Qt::Key_Return);
        });
        chooseFromMenu(window, Qt::Key_H, 0);
        QVERIFY(aboutShown);
        QDir::setCurrent(startDirectory);
    }
};

FBR_TEST_MAIN(TestKeyboardJourney)
#include "tst_keyboard_journey.moc"
