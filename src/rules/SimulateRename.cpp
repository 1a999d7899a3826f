#include "SimulateRename.h"

#include "ComposeNewName.h"
#include "common/FolderExists.h"
#include "common/PathJoin.h"
#include "mainwindow/DirectoryListModel.h"

bool SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem, const RenameRule& rule)
{
    if (TrimSpaces(rule.ruleText()).isEmpty())
        return false;

    const int n = rows.count();
    for (int i = 0; i < n; ++i) {
        const DirectoryRow& row = rows.row(i);
        QString newName = ComposeNewName(rule, row.name);
        if (!row.hasParent()) {
            rows.setProposal(i, newName, Verdict::rootNotRenamed);
            continue;
        }
        const bool exists = FolderExists(fileSystem, JoinPath(row.parent, newName));
        rows.setProposal(i, newName, exists ? Verdict::sameFolderExists : Verdict::canRename);
    }
    rows.rowsUpdated();
    return true;
}
