#pragma once

#include <QStringList>

// What the command line asks of the program.
struct CommandLineRequest
{
    enum class Action {
        Start,  // with the folders
        Answer, // print text (help, version) and end
        Refuse, // print text (what was wrong) to the error stream and end with status 2
    };
    Action action = Action::Start;
    QStringList folders; // full paths in the platform's own form
    QString text;
    bool subfolders = false; // the folders' subfolders are listed, not the folders
    bool gather = false;     // the folders join those of other gathering starts
};

// Reads the arguments (the program first) before any window exists, so that answers and
// refusals need no display. Every argument that is not one of the program's options is a
// folder (Qt's own options are not taken: a folder named "-reverse" follows "--"); relative
// folders are taken from the working directory. Texts are in the installed translation's language.
CommandLineRequest ReadCommandLine(const QStringList& arguments, const QString& workingDirectory);

// The arguments as full paths, as ReadCommandLine gives them: relative to the working
// directory, resolved above their last component as the system resolves them. Reads the disk.
QStringList FolderArguments(const QStringList& arguments, const QString& workingDirectory);
