// A program of the tests: one start of the program with its menu's option, meeting the others
// in the folder given. Prints the folders it gathered, one a line, or nothing once it has
// handed its own over. The test starts its children one after another, slower than a file
// manager does (under wine, about half a second each): it gives them a longer quiet time.
//   gather_child MEETING_FOLDER FOLDER QUIET_MILLISECONDS
#include "platform/core/GatheredStarts.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const std::optional<QStringList> gathered =
        GatheredStarts(arguments.value(1), std::chrono::milliseconds(arguments.value(3).toInt()))
            .gather({arguments.value(2)});
    for (const QString& folder : gathered.value_or(QStringList{}))
        std::printf("%s\n", folder.toUtf8().constData());
    return 0;
}
