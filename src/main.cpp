#include "collect/DirectoryListing.h"
#include "common/AppInfo.h"
#include "common/InterfaceLanguage.h"
#include "mainwindow/ApplicationSetup.h"
#include "mainwindow/CommandLine.h"
#include "mainwindow/Form1.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"
#include "platform/core/GatheredStarts.h"
#include "platform/core/QtSettings.h"
#include "platform/widgets/NativePlatform.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>

namespace {

int run(int argc, char* argv[])
{
    const QStringList arguments = CommandLineArguments(argc, argv);
    const CommandLineRequest request = ReadCommandLine(arguments, QDir::currentPath());
    // Qt sees no argument: every one of them was the program's, folders included.
    int qtArgumentCount = 1;
    if (request.action != CommandLineRequest::Action::Start) {
        // Read again once the user's language is in place, for the answer in it.
        QCoreApplication application(qtArgumentCount, argv);
        SetUpName(application);
        UseLanguage(application, ChosenLanguage(QtSettings(), QLocale::system().uiLanguages()));
        const CommandLineRequest answer = ReadCommandLine(arguments, QDir::currentPath());
        const bool refused = answer.action == CommandLineRequest::Action::Refuse;
        PrintForTheUser(answer.text, refused);
        return refused ? 2 : 0;
    }
    QStringList folders = request.folders;
    if (request.gather) {
        std::optional<QStringList> gathered = GatheredStarts().gather(folders);
        if (!gathered)
            return 0; // in the window of the start that gathers
        folders = std::move(*gathered);
        SortNaturally(folders); // the starts came in no particular order
    }
    QApplication application(qtArgumentCount, argv);
    SetUpApplication(application);
    NativePlatform native;
    UseLanguage(application,
                ChosenLanguage(native.platform().settings, QLocale::system().uiLanguages()));

    Form1 window(native.platform());
    CloseWithTheSession(window);
    const AdditionReport report =
        request.subfolders ? window.addSubfolders(folders) : window.addFolders(folders);
    window.show();
    if (!report.skipped.isEmpty()) {
        // Once the window is up: a typo on the command line is never silent.
        QTimer::singleShot(0, &window, [&native, message = report.skippedMessage()] {
            native.platform().messageBoxes.inform(AppInfo::title(), message);
        });
    }
    return application.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    EndProgram(run(argc, argv)); // once the window and the application are gone
}
