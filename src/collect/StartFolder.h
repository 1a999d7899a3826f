#pragma once

#include <QString>

// Where the add dialog opens: the working directory, unless that is the program's own folder,
// where a Start-menu shortcut or a double-click on the portable program leaves it (its
// subfolders are the program's, not the user's); then the user's documents, or home when
// there are none. Reads the file system: call it away from the windows' thread.
QString StartFolder(const QString& workingDirectory, const QString& programFolder,
                    const QString& documents);
