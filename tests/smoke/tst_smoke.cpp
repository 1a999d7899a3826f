#include "support/TestMain.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
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

    // Answers and refusals come before any window: in the system's language (Simplified
    // Chinese where the program has no texts for it), without a display.
    void answersTheCommandLineWithoutADisplay_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // the start of what it prints
        QTest::newRow("help") << u"C.UTF-8"_s << QStringList{u"--help"_s} << 0 << u"用法："_s;
        QTest::newRow("version") << u"C.UTF-8"_s << QStringList{u"-v"_s} << 0
                                 << u"Morvel文件夹名称批量修改 1."_s;
        QTest::newRow("unknown option") << u"C.UTF-8"_s << QStringList{u"--bogus"_s} << 2
                                        << u"folder-batch-rename：未知的选项“--bogus”。"_s;
        QTest::newRow("one of Qt's own") << u"C.UTF-8"_s << QStringList{u"-reverse"_s} << 2
                                         << u"folder-batch-rename：未知的选项“-r”。"_s;
        QTest::newRow("in Taiwan") << u"zh_TW.UTF-8"_s << QStringList{u"--bogus"_s} << 2
                                   << u"folder-batch-rename：未知的選項「--bogus」。"_s;
        QTest::newRow("in English") << u"en_US.UTF-8"_s << QStringList{u"--help"_s} << 0
                                    << u"Usage: folder-batch-rename [options] [folder...]"_s;
        QTest::newRow("in Germany")
            << u"de_DE.UTF-8"_s << QStringList{u"-v"_s} << 0 << u"Morvel文件夹名称批量修改 1."_s;
    }
    void answersTheCommandLineWithoutADisplay()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s,
                                    u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s})
            environment.remove(name);
        environment.insert(u"LANG"_s, language);
        const QTemporaryDir settings; // no language chosen
        environment.insert(u"XDG_CONFIG_HOME"_s, settings.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PROGRAM_PATH), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), exitCode);
        const QString printed = QString::fromUtf8(exitCode == 0 ? program.readAllStandardOutput()
                                                                : program.readAllStandardError());
        QVERIFY2(printed.startsWith(output), qPrintable(printed));
        QVERIFY2(!printed.contains(u"Usage: folder-batch-rename [options]\n"_s), // Qt's own
                 qPrintable(printed));
    }
};

FBR_TEST_GUILESS_MAIN(TestSmoke)
#include "tst_smoke.moc"
