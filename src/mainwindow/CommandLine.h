#pragma once

#include <QStringList>

class QCoreApplication;

// True when the arguments ask only for help or the version: answered from a QCoreApplication,
// so that no display is needed.
bool AsksForHelpOrVersion(int argc, char* argv[]);

// The folders given on the command line, as full paths in the platform's own form; relative
// ones are taken from the working directory. Answers --help and --version in the terminal, in
// Chinese, and ends the program there.
QStringList ParseCommandLine(QCoreApplication& application);

// The arguments as full paths, as ParseCommandLine gives them.
QStringList FolderArguments(const QStringList& arguments, const QString& workingDirectory);
