// A program of the tests: renames every folder of a tree with the real window and its record,
// and stops for good in the middle of the batch (or, told "undo", of the batch's undo), so that a
// test can kill it there. Told "cycle", each folder takes the next one's name, the last the
// first's.
//   batch_child TREE RECORDS_FOLDER RENAMES_BEFORE_STOPPING [undo|cycle]
#include "collect/AddDirectories.h"
#include "mainwindow/Form1.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"
#include "rules/RenameRule.h"
#include "rules/SimulateRename.h"
#include "support/TestPlatform.h"

#include <QAction>
#include <QApplication>
#include <QThread>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString tree = arguments.value(1);
    const int stopAfter = arguments.value(3).toInt();

    TestPlatform test;
    QtRecordFiles records(arguments.value(2));
    Platform platform{test.fileSystem, test.shell,  test.messageBoxes, test.viewer,
                      records,         test.passes, test.settings};
    int renames = 0;
    test.fileSystem.beforeRename = [&](const QString&,
                                       const QString&) -> std::optional<FileSystemError> {
        if (renames++ == stopAfter) {
            std::puts("stopped");
            std::fflush(stdout);
            for (;;)
                QThread::sleep(1);
        }
        return std::nullopt;
    };

    Form1 window(platform);
    QStringList paths;
    QStringList names = test.fileSystem.subfolderNames(tree).value_or(QStringList());
    names.sort();
    for (const QString& name : names)
        paths.append(JoinPath(tree, name));
    AddDirectories(window.rows(), test.fileSystem, paths, test.passes);
    if (arguments.value(4) == u"to"_s) { // new names, for the folders in the order of names
        const QStringList newNames = arguments.mid(5);
        SimulateRenameTo(window.rows(), test.fileSystem, {newNames.cbegin(), newNames.cend()},
                         u"新名称"_s, test.passes);
    } else {
        SimulateRename(window.rows(), test.fileSystem, AppendRule(u"_x"_s), test.passes);
    }
    window.findChild<QAction*>(u"menu确认修改"_s)->trigger();
    if (arguments.value(4) == u"undo"_s)
        window.findChild<QAction*>(u"menu撤销修改"_s)->trigger();
    std::puts("done"); // the batch had fewer renames than asked for
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
