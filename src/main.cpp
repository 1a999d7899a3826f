#include "common/AppInfo.h"
#include "mainwindow/ApplicationSetup.h"
#include "mainwindow/CommandLine.h"
#include "mainwindow/Form1.h"
#include "platform/MessageBoxes.h"
#include "platform/NativePlatform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        SetUpNameAndTexts(terminal);
        ParseCommandLine(terminal); // answers and ends the program
    }
    QApplication application(argc, argv);
    SetUpApplication(application);
    const QStringList folders = ParseCommandLine(application); // Qt's own options taken out

    NativePlatform native;
    Form1 window(native.platform());
    CloseWithTheSession(window);
    const AdditionReport report = window.addFolders(folders);
    window.show();
    if (!report.skipped.isEmpty()) {
        // Once the window is up: a typo on the command line is never silent.
        QTimer::singleShot(0, &window, [&native, message = report.skippedMessage()] {
            native.platform().messageBoxes.inform(AppInfo::title, message);
        });
    }
    return application.exec();
}
