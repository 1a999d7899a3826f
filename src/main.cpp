#include "mainwindow/ApplicationSetup.h"
#include "mainwindow/Form1.h"
#include "platform/LinuxRegistry.h"
#include "platform/PosixFileSystem.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtShell.h"
#include "platform/TerminationSignals.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetUpApplication(application);

    PosixFileSystem fileSystem;
    QtShell shell;
    QtMessageBoxes messageBoxes;
    LinuxRegistry registry;
    Platform platform{fileSystem, shell, messageBoxes, registry};

    Form1 window(platform);
    CloseOnTerminationSignals(window);
    window.show();
    return application.exec();
}
