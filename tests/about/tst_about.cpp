#include "about/SystemInfo.h"
#include "about/frmAbout.h"
#include "mainwindow/Form1.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

FakeRegistry::Value text(const QByteArray& bytes)
{
    return {Registry::TypeString, bytes + '\0'};
}

const QString notAvailable = u"此时系统信息不可用"_s;

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    void getKeyValueDecodesAndAlwaysCloses()
    {
        FakeRegistry registry;
        registry.keys[u"K"_s][u"s"_s] = text("/usr/bin/viewer");
        registry.keys[u"K"_s][u"n"_s] = {Registry::TypeNumber, QByteArray("\x2c\x01\x00\x00", 4)};
        registry.keys[u"K"_s][u"neg"_s] = {Registry::TypeNumber, QByteArray("\xff\xff\xff\xff", 4)};
        registry.keys[u"K"_s][u"bin"_s] = {3, QByteArray("ab")};
        registry.keys[u"K"_s][u"big"_s] = text(QByteArray(1024, 'x'));
        registry.keys[u"K"_s][u"utf8"_s] = text("/opt/查看器");
        registry.keys[u"K"_s][u"bare"_s] = {Registry::TypeString, QByteArray("no zero")};
        QString out = u"kept"_s;

        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, u"K"_s, u"s"_s, out));
        QCOMPARE(out, u"/usr/bin/viewer"_s);
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, u"K"_s, u"n"_s, out));
        QCOMPARE(out, u"300"_s);
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, u"K"_s, u"neg"_s, out));
        QCOMPARE(out, u"-1"_s);
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, u"K"_s, u"bin"_s, out));
        QCOMPARE(out, u"-1"_s); // another type keeps the output
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, u"K"_s, u"utf8"_s, out));
        QCOMPARE(out, u"/opt/查看器"_s);
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, u"K"_s, u"bare"_s, out));
        QCOMPARE(out, u"no zero"_s);
        QCOMPARE(registry.closedHandles.size(), 6);

        QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, u"K"_s, u"big"_s, out));
        QCOMPARE(out, QString());
        out = u"x"_s;
        QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, u"K"_s, u"missing"_s, out));
        QCOMPARE(out, QString());
        QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, u"Nope"_s, u"s"_s, out));
        QCOMPARE(registry.closedHandles.size(), 9);
        QCOMPARE(registry.closedHandles.last(), Registry::Handle(0)); // opening failed
    }

    void startSysInfoAsksThePlacesInOrder()
    {
        TestTree tree;
        tree.makeFile(u"MSINFO32.EXE"_s);
        const QString viewerKey = SystemInfoPlaces::viewerPathKey;
        const QString folderKey = SystemInfoPlaces::viewerFolderKey;
        {
            // Place 1 wins, even when its program cannot be started; place 2 is not read.
            TestPlatform test;
            test.registry.keys[viewerKey][u"PATH"_s] = text("/nowhere/viewer");
            test.registry.keys[folderKey][u"MSINFO"_s] = text(tree.root().toUtf8());
            test.shell.startSucceeds = false;
            StartSysInfo(test.viewer, test.shell, test.messageBoxes);
            QCOMPARE(test.shell.startedPrograms, QStringList{u"/nowhere/viewer"_s});
            QCOMPARE(test.registry.openedKeys, QStringList{viewerKey});
            QCOMPARE(test.messageBoxes.shown.size(), 1);
            QCOMPARE(test.messageBoxes.shown[0].kind, u"notify"_s);
            QCOMPARE(test.messageBoxes.shown[0].text, notAvailable);
        }
        {
            // Place 2 only when the viewer's file is there.
            TestPlatform test;
            test.registry.keys[folderKey][u"MSINFO"_s] = text(tree.root().toUtf8());
            StartSysInfo(test.viewer, test.shell, test.messageBoxes);
            QCOMPARE(test.shell.startedPrograms, QStringList{tree.path(u"MSINFO32.EXE"_s)});
            QVERIFY(test.messageBoxes.shown.isEmpty());

            test.registry.keys[folderKey][u"MSINFO"_s] = text("/nowhere");
            StartSysInfo(test.viewer, test.shell, test.messageBoxes);
            QCOMPARE(test.shell.startedPrograms.size(), 1);
            QCOMPARE(test.messageBoxes.shown.size(), 1);
        }
        {
            TestPlatform test;
            test.registry.keys[viewerKey][u"PATH"_s] = text("/usr/bin/viewer");
            test.registry.denyAccess = true;
            StartSysInfo(test.viewer, test.shell, test.messageBoxes);
            QVERIFY(test.shell.startedPrograms.isEmpty());
            QCOMPARE(test.messageBoxes.shown.size(), 1);
            QCOMPARE(test.messageBoxes.shown[0].title, u"Morvel文件夹名称批量修改"_s);
        }
    }

    void theBoxShowsTitleAndVersionAndClosesWithEnterOrEsc()
    {
        TestPlatform test;
        Form1 window(test.platform);
        for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            bool answered = false;
            WhenDialogShown([&](QWidget* dialog) {
                answered = true;
                QCOMPARE(dialog->windowTitle(), u"关于 Morvel文件夹名称批量修改"_s);
                QCOMPARE(dialog->findChild<QLabel*>(u"lblTitle"_s)->text(),
                         u"Morvel文件夹名称批量修改"_s);
                QCOMPARE(dialog->findChild<QLabel*>(u"lblVersion"_s)->text(), u"版本 1.0.0"_s);
                QVERIFY(!dialog->findChild<QLabel*>(u"picIcon"_s)->pixmap().isNull());
                QCOMPARE(dialog->size(), QSize(382, 258));
                auto* sysInfo = dialog->findChild<QPushButton*>(u"cmdSysInfo"_s);
                QCOMPARE(sysInfo->text(), u"系统信息(&S)..."_s);
                sysInfo->click();
                QCOMPARE(test.messageBoxes.shown.last().text, notAvailable);
                QVERIFY(dialog->isVisible());
                QTest::keyClick(dialog, key);
            });
            window.findChild<QAction*>(u"menu关于"_s)->trigger();
            QVERIFY(answered);
        }
    }
};

FBR_TEST_MAIN(TestAbout)
#include "tst_about.moc"
