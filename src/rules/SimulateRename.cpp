#include "SimulateRename.h"

#include "ComposeNewName.h"
#include "platform/FileSystem.h"
#include "rows/DirectoryListModel.h"

bool SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem, const RenameRule& rule)
{
    using Outcome = Verdict::Outcome;
    if (TrimSpaces(rule.ruleText()).isEmpty())
        return false;

    const std::unique_ptr<FolderProbe> probe = fileSystem.folderProbe();
    const int n = rows.count();
    for (int i = 0; i < n; ++i) {
        const DirectoryRow& row = rows.row(i);
        QString newName = ComposeNewName(rule, row.name);
        Outcome outcome = Outcome::CanRename;
        if (!row.hasParent())
            outcome = Outcome::RootNotRenamed;
        else if (fileSystem.checkFolderName(newName))
            outcome = Outcome::InvalidName;
        else if (probe->folderExists(row.parent, newName))
            outcome = Outcome::FolderExists;
        rows.setProposal(i, newName, Verdict{outcome, {}});
    }
    rows.rowsUpdated();
    return true;
}
