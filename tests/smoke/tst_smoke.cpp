#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// The real executable, started as a user starts it.
class TestSmoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comesUpAndEndsCleanlyWhenItsWindowCloses()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PROGRAM_PATH), {});
        QVERIFY(program.waitForStarted(10000));
        // Still running after a while: it came up and waits for the user.
        QVERIFY(!QTest::qWaitFor([&] { return program.state() != QProcess::Running; }, 2000));

        program.terminate(); // the session's request to end closes the window
        QVERIFY(program.waitForFinished(20000));
        const QByteArray errors = program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, errors.constData());
        QVERIFY2(!errors.contains("ERROR: AddressSanitizer"), errors.constData());
        QVERIFY2(!errors.contains("runtime error"), errors.constData());
    }
};

QTEST_GUILESS_MAIN(TestSmoke)
#include "tst_smoke.moc"
