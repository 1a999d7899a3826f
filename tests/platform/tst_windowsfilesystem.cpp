#include "WindowsFileSystem.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWindowsFileSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestWindowsFileSystem)
#include "tst_windowsfilesystem.moc"
