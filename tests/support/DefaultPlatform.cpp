// Compiled into every test program: settings of its own, and offscreen unless the environment
// names a platform, so that the same programs run on a display (QT_QPA_PLATFORM=xcb) when
// asked to.
#include "support/TestMain.h"

#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

QTemporaryDir& settingsFolder()
{
    static QTemporaryDir folder;
    return folder;
}

void prepareTestProgram()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    // The program's settings go to a fake; Qt's own (its file dialogs keep some) to a folder
    // of the test's own, never the user's.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder().path());
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(prepareTestProgram)

int EndTestProgram(int status)
{
    settingsFolder().remove(); // the end may come before static objects go
    return status;
}
