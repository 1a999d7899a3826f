#include "SimulateRename.h"

#include "ComposeNewName.h"
#include "platform/FileSystem.h"
#include "rows/DirectoryListModel.h"
#include "rows/RowsSnapshot.h"

using namespace Qt::StringLiterals;

std::optional<PassEnd> SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem,
                                      const RenameRule& rule, PassRunner& passes)
{
    using Outcome = Verdict::Outcome;
    if (TrimSpaces(rule.ruleText()).isEmpty())
        return std::nullopt;

    RowsSnapshot snapshot(rows);
    const auto preview = [&](PassControl& control) {
        const std::unique_ptr<FolderProbe> probe = fileSystem.folderProbe();
        for (int i = 0; i < snapshot.count(); ++i) {
            if (control.stopHere())
                return;
            const DirectoryRow& row = snapshot.row(i);
            QString newName = ComposeNewName(rule, row.name);
            Outcome outcome = Outcome::CanRename;
            if (!row.hasParent())
                outcome = Outcome::RootNotRenamed;
            else if (fileSystem.checkFolderName(newName))
                outcome = Outcome::InvalidName;
            else if (probe->folderExists(row.parent, newName))
                outcome = Outcome::FolderExists;
            snapshot.setProposal(i, newName, Verdict{outcome, {}});
            control.advance();
        }
    };
    return passes.run(u"正在模拟修改目录名称……"_s, snapshot.count(), preview,
                      [&] { rows.takeOver(snapshot.takeChanges()); });
}
