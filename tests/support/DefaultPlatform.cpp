// Compiled into every test program: offscreen unless the environment names a platform, so that
// the same programs run on a display (QT_QPA_PLATFORM=xcb) when asked to.
#include <QByteArray>
#include <QtGlobal>

namespace {

void defaultToOffscreen()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(defaultToOffscreen)
