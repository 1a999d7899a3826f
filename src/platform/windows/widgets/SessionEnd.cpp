#include "platform/widgets/NativePlatform.h"

#include <QGuiApplication>
#include <QPointer>
#include <QSessionManager>
#include <QWidget>

// Windows asks a program to end with the session through Qt's session management.
void CloseWithTheSession(QWidget& window)
{
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &window,
                     [target = QPointer<QWidget>(&window)](QSessionManager&) {
                         if (target)
                             target->close();
                     });
}
