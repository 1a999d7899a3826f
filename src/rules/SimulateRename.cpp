#include "SimulateRename.h"

#include <QCoreApplication>

#include "NameContexts.h"
#include "StepList.h"
#include "platform/FileSystem.h"
#include "rows/DirectoryListModel.h"
#include "rows/RenamePlan.h"
#include "rows/RowsSnapshot.h"

#include <QSet>

#include <unordered_map>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SimulateRename)
};

// The names of one parent folder as the batch will have left them, up to the row at hand.
struct ParentNames
{
    bool planned = false;
    bool ignoresCase = false;
    QSet<QString> taken; // new names that earlier rows get here
    // Names that earlier rows give up here, as they come; looked up only when a name is held
    // now, which most proposed names are not, so they are indexed only then.
    std::vector<QString> givenUp;
    QSet<QString> givenUpIndex;
    size_t indexed = 0;

    QString keyOf(const QString& name) const { return ignoresCase ? name.toCaseFolded() : name; }

    bool wasGivenUp(const QString& key)
    {
        givenUpIndex.reserve(qsizetype(givenUp.size()));
        for (; indexed < givenUp.size(); ++indexed)
            givenUpIndex.insert(keyOf(givenUp[indexed]));
        return givenUpIndex.contains(key);
    }

    // What the batch will make of renaming the folder to the valid new name, given what
    // holds that name on disk now; the names as the rename leaves them.
    template <typename HolderNow>
    Verdict::Outcome foretell(const QString& name, const QString& newName, HolderNow holderNow)
    {
        using Outcome = Verdict::Outcome;
        const QString key = keyOf(newName);
        // A case-only change where case does not count: no change, in list order; planned, the
        // row keeps its name, in other letters, through a temporary name.
        if (ignoresCase && key == keyOf(name)) {
            if (planned)
                taken.insert(key);
            return planned ? Outcome::CanRename : Outcome::SameName;
        }
        // One lookup for both the question and the claim: proposals rarely collide.
        const qsizetype takenBefore = taken.size();
        taken.insert(key);
        if (taken.size() == takenBefore)
            return Outcome::NameProposedEarlier;
        const NameHolder holder = holderNow();
        if (planned) {
            // Whether a folder of the batch gives the name up is known once all rows are; the
            // claim stays: one name, one row.
            if (holder != NameHolder::Nothing)
                return holder == NameHolder::Folder ? Outcome::FolderExists : Outcome::TakenByFile;
            return Outcome::CanRename;
        }
        if (holder != NameHolder::Nothing && !wasGivenUp(key)) {
            taken.remove(key);
            return holder == NameHolder::Folder ? Outcome::FolderExists : Outcome::TakenByFile;
        }
        givenUp.push_back(name);
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
// A planned batch: a row whose new name a folder of the batch holds now goes, once that folder
// goes; what each row's name is, is known only at the end.
struct PlannedRows
{
    std::vector<RenamePlan::Row> rows;
    std::vector<Verdict::Outcome> outcomes;

    void resolve(RowsSnapshot& snapshot, int reached, const std::vector<QString>& newNames)
    {
        using Outcome = Verdict::Outcome;
        rows.resize(size_t(reached));
        const std::vector<int> waitsFor = RenamePlan::WaitsFor(rows);
        std::vector<char> canGo(rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            canGo[i] = outcomes[i] == Outcome::CanRename ||
                       (outcomes[i] == Outcome::FolderExists && waitsFor[i] >= 0);
        }
        RenamePlan::LetWaitingRowsGo(canGo, waitsFor);
        for (int i = 0; i < reached; ++i) {
            snapshot.setProposal(
                i, newNames[size_t(i)],
                Verdict{canGo[size_t(i)] ? Outcome::CanRename : outcomes[size_t(i)], {}});
        }
    }
};

template <typename ComposeNewName>
PassEnd Preview(DirectoryListModel& rows, FileSystem& fileSystem, const QString& ruleInWords,
                PassRunner& passes, BatchOrder order, ComposeNewName composeNewName)
{
    const bool planned = order == BatchOrder::Planned;
    using Outcome = Verdict::Outcome;
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold)
        return PassEnd::Refused;
    RowsSnapshot snapshot(rows, RowsSnapshot::Changes::Proposals);
    // The batch runs in list order: a row's new name is free unless a folder has it now and no
    // earlier row renames that folder away, or an earlier row gets it first.
    const auto preview = [&](PassControl& control) {
        const std::unique_ptr<FolderProbe> probe = fileSystem.folderProbe();
        const QSet<FileId> programFolders = ProgramFolderIds(fileSystem);
        std::unordered_map<FileId, ParentNames, FileIdHash> parents;
        ParentNames* names = nullptr;
        int runEnd = 0;
        PlannedRows plan;
        std::vector<QString> newNames;
        if (planned) {
            plan.rows.resize(size_t(snapshot.count()));
            plan.outcomes.resize(size_t(snapshot.count()));
            newNames.resize(size_t(snapshot.count()));
        }
        int reached = 0;
        control.forEach(snapshot.count(), [&](int i) {
            const DirectoryRow& row = snapshot.row(i);
            if (i == runEnd && row.hasParent()) {
                runEnd = i + runOfParent(snapshot, i);
                probe->expect(row.parent, runEnd - i);
                const auto [place, isNew] = parents.try_emplace(row.parentId);
                names = &place->second;
                if (isNew) {
                    names->planned = planned;
                    names->ignoresCase = probe->ignoresCase(row.parent);
                }
                names->taken.reserve(names->taken.size() + (runEnd - i));
            } else if (i == runEnd) {
                runEnd = i + 1;
            }
            const QString name = row.name();
            std::optional<QString> composed = composeNewName(snapshot, i);
            QString newName = composed ? std::move(*composed) : name;
            Outcome outcome = Outcome::CanRename;
            if (!row.hasParent()) {
                outcome = Outcome::RootNotRenamed;
            } else if (programFolders.contains(row.id)) {
                outcome = Outcome::ProgramsOwnFolder;
            } else if (!composed) {
                outcome = Outcome::TooComplex;
            } else if (newName == name) {
                outcome = Outcome::SameName;
            } else if (const auto problem = fileSystem.checkFolderName(newName)) {
                outcome = InvalidNameOutcome(*problem);
            } else {
                outcome = names->foretell(name, newName,
                                          [&] { return probe->holderOf(row.parent, newName); });
            }
            if (!planned) {
                snapshot.setProposal(i, newName, Verdict{outcome, {}});
                return;
            }
            // Every row holds its name; one the batch renames gives it up.
            const bool renamed = outcome == Outcome::CanRename || outcome == Outcome::FolderExists;
            plan.rows[size_t(i)] = {row.parentId, names ? names->keyOf(name) : name,
                                    renamed ? names->keyOf(newName) : QString()};
            plan.outcomes[size_t(i)] = outcome;
            newNames[size_t(i)] = std::move(newName);
            reached = i + 1;
        });
        if (planned)
            plan.resolve(snapshot, reached, newNames);
    };
    return passes.run(Texts::tr("正在模拟修改目录名称……"), snapshot.count(),
                      snapshot.around(preview), [&] {
                          hold->takeOver(snapshot);
                          hold->setPreviewRule(ruleInWords, planned);
                      });
}

} // namespace

std::optional<PassEnd> SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem,
                                      const StepList& steps, PassRunner& passes, BatchOrder order)
{
    if (steps.isEmpty() || !steps.problem().isEmpty())
        return std::nullopt;
    std::optional<NameContexts> contexts; // counted on the pass's thread, over its copy
    const bool readsContext = steps.readsContext();
    return Preview(rows, fileSystem, steps.inWords(), passes, order,
                   [&](const RowsSnapshot& snapshot, int i) {
                       NameContext context;
                       if (readsContext) {
                           if (!contexts)
                               contexts.emplace(snapshot);
                           context = contexts->of(i);
                       }
                       steps.readTimes(fileSystem, snapshot.row(i).key, context);
                       return steps.apply(snapshot.row(i).name(), context);
                   });
}

PassEnd SimulateRenameTo(DirectoryListModel& rows, FileSystem& fileSystem,
                         const std::vector<QString>& newNames, const QString& ruleInWords,
                         PassRunner& passes)
{
    return Preview(rows, fileSystem, ruleInWords, passes, BatchOrder::Planned,
                   [&](const RowsSnapshot& snapshot, int i) {
                       return std::optional(size_t(i) < newNames.size() ? newNames[size_t(i)]
                                                                        : snapshot.row(i).name());
                   });
}

std::vector<Verdict::Outcome> ForetellFromNames(FileSystem& fileSystem,
                                                const std::vector<NamedRow>& rows)
{
    // Planned, as the rules dialog's batches are.
    using Outcome = Verdict::Outcome;
    const auto keyOf = [](const NamedRow& row, const QString& name) {
        return std::pair{row.parentId, row.ignoresCase ? name.toCaseFolded() : name};
    };
    std::vector<Outcome> outcomes;
    outcomes.reserve(rows.size());
    // A row that keeps its name holds it, whichever row comes first.
    QSet<std::pair<FileId, QString>> kept;
    for (const NamedRow& row : rows) {
        // A planned batch renames a case-only change through a temporary name.
        Outcome outcome = Outcome::CanRename;
        if (row.newName == row.name)
            outcome = Outcome::SameName;
        else if (const auto problem = fileSystem.checkFolderName(row.newName))
            outcome = InvalidNameOutcome(*problem);
        if (outcome != Outcome::CanRename)
            kept.insert(keyOf(row, row.name));
        outcomes.push_back(outcome);
    }
    QSet<std::pair<FileId, QString>> taken;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (outcomes[i] != Outcome::CanRename)
            continue;
        const auto wanted = keyOf(rows[i], rows[i].newName);
        const qsizetype before = taken.size();
        taken.insert(wanted);
        if (kept.contains(wanted))
            outcomes[i] = Outcome::FolderExists;
        else if (taken.size() == before)
            outcomes[i] = Outcome::NameProposedEarlier;
    }
    return outcomes;
}
