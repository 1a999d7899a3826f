#include "mainwindow/ApplicationSetup.h"
#include "mainwindow/Form1.h"
#include "platform/NativePlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetUpApplication(application);

    NativePlatform native;
    Form1 window(native.platform());
    CloseWithTheSession(window);
    window.show();
    return application.exec();
}
