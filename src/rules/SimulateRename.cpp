#include "SimulateRename.h"

#include "ComposeNewName.h"
#include "platform/FileSystem.h"
#include "rows/DirectoryListModel.h"
#include "rows/RowsSnapshot.h"

#include <QSet>

#include <unordered_map>

using namespace Qt::StringLiterals;

namespace {

// The names of one parent folder as the batch will have left them, up to the row at hand.
struct ParentNames
{
    bool ignoresCase = false;
    QSet<QString> taken;   // new names that earlier rows get here
    QSet<QString> vacated; // names that earlier rows give up here

    QString keyOf(const QString& name) const { return ignoresCase ? name.toCaseFolded() : name; }
};

struct FileIdHash
{
    size_t operator()(const FileId& id) const noexcept { return qHash(id); }
};

// How many rows from the first on share its parent.
int runOfParent(const RowsSnapshot& rows, int first)
{
    const QString& parent = rows.row(first).parent;
    int end = first + 1;
    while (end < rows.count() && rows.row(end).parent == parent)
        ++end;
    return end - first;
}

} // namespace

std::optional<PassEnd> SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem,
                                      const RenameRule& rule, PassRunner& passes)
{
    using Outcome = Verdict::Outcome;
    if (TrimSpaces(rule.ruleText()).isEmpty())
        return std::nullopt;

    RowsSnapshot snapshot(rows);
    // The batch runs in list order: a row's new name is free unless a folder has it now and no
    // earlier row renames that folder away, or an earlier row gets it first.
    const auto preview = [&](PassControl& control) {
        const std::unique_ptr<FolderProbe> probe = fileSystem.folderProbe();
        std::unordered_map<FileId, ParentNames, FileIdHash> parents;
        ParentNames* names = nullptr;
        int runEnd = 0;
        for (int i = 0; i < snapshot.count(); ++i) {
            if (control.stopHere())
                return;
            const DirectoryRow& row = snapshot.row(i);
            if (i == runEnd && row.hasParent()) {
                runEnd = i + runOfParent(snapshot, i);
                probe->expect(row.parent, runEnd - i);
                const auto [place, isNew] = parents.try_emplace(row.parentId);
                names = &place->second;
                if (isNew)
                    names->ignoresCase = probe->ignoresCase(row.parent);
            } else if (i == runEnd) {
                runEnd = i + 1;
            }
            QString newName = ComposeNewName(rule, row.name);
            Outcome outcome = Outcome::CanRename;
            if (!row.hasParent()) {
                outcome = Outcome::RootNotRenamed;
            } else if (newName == row.name) {
                outcome = Outcome::SameName;
            } else if (fileSystem.checkFolderName(newName)) {
                outcome = Outcome::InvalidName;
            } else {
                const QString key = names->keyOf(newName);
                const QString oldKey = names->keyOf(row.name);
                NameHolder holder = NameHolder::Nothing;
                if (key == oldKey) // a case-only change where case does not count
                    outcome = Outcome::SameName;
                else if (names->taken.contains(key))
                    outcome = Outcome::NameProposedEarlier;
                else if ((holder = probe->holderOf(row.parent, newName)) != NameHolder::Nothing &&
                         !names->vacated.contains(key))
                    outcome =
                        holder == NameHolder::Folder ? Outcome::FolderExists : Outcome::TakenByFile;
                if (outcome == Outcome::CanRename) {
                    names->taken.insert(key);
                    names->vacated.insert(oldKey);
                }
            }
            snapshot.setProposal(i, newName, Verdict{outcome, {}});
            control.advance();
        }
    };
    return passes.run(u"正在模拟修改目录名称……"_s, snapshot.count(), preview,
                      [&] { rows.takeOver(snapshot.takeChanges()); });
}
