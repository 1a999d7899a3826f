#include "SimulateRename.h"

#include "NameContexts.h"
#include "StepList.h"
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

    // What the batch will make of renaming the folder to the valid new name, given what
    // holds that name on disk now; the names as the rename leaves them.
    template <typename HolderNow>
    Verdict::Outcome foretell(const QString& name, const QString& newName, HolderNow holderNow)
    {
        using Outcome = Verdict::Outcome;
        const QString key = keyOf(newName);
        const QString oldKey = keyOf(name);
        if (key == oldKey) // a case-only change where case does not count
            return Outcome::SameName;
        // One lookup for both the question and the claim: proposals rarely collide.
        const qsizetype takenBefore = taken.size();
        taken.insert(key);
        if (taken.size() == takenBefore)
            return Outcome::NameProposedEarlier;
        const NameHolder holder = holderNow();
        if (holder != NameHolder::Nothing && !vacated.contains(key)) {
            taken.remove(key);
            return holder == NameHolder::Folder ? Outcome::FolderExists : Outcome::TakenByFile;
        }
        vacated.insert(oldKey);
        return Outcome::CanRename;
    }
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

// The preview of any rule: composeNewName(snapshot, i) gives row i's new name, on the pass's
// thread.
template <typename ComposeNewName>
PassEnd Preview(DirectoryListModel& rows, FileSystem& fileSystem, const QString& ruleInWords,
                PassRunner& passes, ComposeNewName composeNewName)
{
    using Outcome = Verdict::Outcome;
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold)
        return PassEnd::Refused;
    RowsSnapshot snapshot(rows);
    // The batch runs in list order: a row's new name is free unless a folder has it now and no
    // earlier row renames that folder away, or an earlier row gets it first.
    const auto preview = [&](PassControl& control) {
        const std::unique_ptr<FolderProbe> probe = fileSystem.folderProbe();
        const QSet<FileId> programFolders = ProgramFolderIds(fileSystem);
        std::unordered_map<FileId, ParentNames, FileIdHash> parents;
        ParentNames* names = nullptr;
        int runEnd = 0;
        control.forEach(snapshot.count(), [&](int i) {
            const DirectoryRow& row = snapshot.row(i);
            if (i == runEnd && row.hasParent()) {
                runEnd = i + runOfParent(snapshot, i);
                probe->expect(row.parent, runEnd - i);
                const auto [place, isNew] = parents.try_emplace(row.parentId);
                names = &place->second;
                if (isNew)
                    names->ignoresCase = probe->ignoresCase(row.parent);
                names->taken.reserve(names->taken.size() + (runEnd - i));
                names->vacated.reserve(names->vacated.size() + (runEnd - i));
            } else if (i == runEnd) {
                runEnd = i + 1;
            }
            std::optional<QString> composed = composeNewName(snapshot, i);
            QString newName = composed ? std::move(*composed) : row.name;
            Outcome outcome = Outcome::CanRename;
            if (!row.hasParent()) {
                outcome = Outcome::RootNotRenamed;
            } else if (programFolders.contains(row.id)) {
                outcome = Outcome::ProgramsOwnFolder;
            } else if (!composed) {
                outcome = Outcome::TooComplex;
            } else if (newName == row.name) {
                outcome = Outcome::SameName;
            } else if (fileSystem.checkFolderName(newName)) {
                outcome = Outcome::InvalidName;
            } else {
                outcome = names->foretell(row.name, newName,
                                          [&] { return probe->holderOf(row.parent, newName); });
            }
            snapshot.setProposal(i, newName, Verdict{outcome, {}});
        });
    };
    return passes.run(u"正在模拟修改目录名称……"_s, snapshot.count(), snapshot.around(preview), [&] {
        hold->takeOver(snapshot);
        hold->setPreviewRule(ruleInWords);
    });
}

} // namespace

std::optional<PassEnd> SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem,
                                      const StepList& steps, PassRunner& passes)
{
    if (steps.isEmpty() || !steps.problem().isEmpty())
        return std::nullopt;
    std::optional<NameContexts> contexts; // counted on the pass's thread, over its copy
    const bool readsContext = steps.readsContext();
    return Preview(rows, fileSystem, steps.inWords(), passes,
                   [&](const RowsSnapshot& snapshot, int i) {
                       if (!readsContext)
                           return steps.apply(snapshot.row(i).name, {});
                       if (!contexts)
                           contexts.emplace(snapshot);
                       return steps.apply(snapshot.row(i).name, contexts->of(i));
                   });
}
