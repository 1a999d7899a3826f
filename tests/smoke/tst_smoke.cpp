#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// True once the process handles SIGTERM itself, which the program sets up just before it
// shows its window.
bool catchesTerminationSignal(qint64 pid)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

} // namespace

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
        QVERIFY(
            QTest::qWaitFor([&] { return catchesTerminationSignal(program.processId()); }, 20000));
        QCOMPARE(program.state(), QProcess::Running);

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
