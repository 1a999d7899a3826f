#include "BatchRename.h"

#include <QCoreApplication>

#include "RecordedBatch.h"
#include "common/AppInfo.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PassRunner.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"
#include "rows/RenamePlan.h"
#include "rows/RowsByParent.h"
#include "rows/RowsSnapshot.h"

#include <QHash>
#include <QRandomGenerator>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BatchRename)
};

} // namespace

QString RecordMissingQuestion()
{
    return Texts::tr("无法保存修改记录，这次修改之后将不能撤销。仍然继续修改吗？");
}

namespace {

bool anyPreviewed(const DirectoryListModel& rows)
{
    for (int i = 0; i < rows.count(); ++i) {
        if (rows.row(i).isPreviewed())
            return true;
    }
    return false;
}

// Asks once, saying how many folders the batch will rename.
bool confirmed(const DirectoryListModel& rows, MessageBoxes& messageBoxes)
{
    int renamable = 0;
    for (int i = 0; i < rows.count(); ++i)
        renamable += rows.row(i).verdict.outcome == Verdict::Outcome::CanRename;
    return messageBoxes.askYesNo(
        AppInfo::title(), Texts::tr("你确定要全部修改目录名称吗？\n将修改 %1 个目录；%2 个不会修改"
                                    "（见“可否修改”一列）。")
                              .arg(renamable)
                              .arg(rows.count() - renamable));
}

// What the batch says of a row it does not try to rename for reasons of the row's own.
std::optional<Verdict> leftAlone(const DirectoryRow& row, const QSet<FileId>& programFolders)
{
    using Outcome = Verdict::Outcome;
    if (!row.hasParent())
        return Verdict{Outcome::RootNotRenamed, {}};
    if (!row.isPreviewed())
        return Verdict{Outcome::NeedsPreview, {}};
    if (programFolders.contains(row.id))
        return Verdict{Outcome::ProgramsOwnFolder, {}};
    return std::nullopt;
}

using Step = RenamePlan::Step;

// Every row the batch tries, in list order, as the design's rules have it.
std::vector<Step> inListOrder(const RowsSnapshot& rows)
{
    std::vector<Step> steps(size_t(rows.count()));
    for (int i = 0; i < rows.count(); ++i)
        steps[size_t(i)].row = i;
    return steps;
}

// The rows the preview found free to go, in the plan's order; then the rest it tries, in list
// order, whose names are still taken by then.
std::vector<Step> planned(const RowsSnapshot& rows, FileSystem& fileSystem)
{
    const std::unique_ptr<FolderProbe> probe = fileSystem.folderProbe();
    QHash<FileId, bool> ignoresCase;
    std::vector<RenamePlan::Row> plan(size_t(rows.count()));
    std::vector<char> canGo(size_t(rows.count()));
    const DirectoryRow* previous = nullptr; // rows of one parent come together, mostly
    bool parentIgnoresCase = false;
    for (int i = 0; i < rows.count(); ++i) {
        const DirectoryRow& row = rows.row(i);
        if (!row.hasParent())
            continue;
        if (!previous || previous->parentId != row.parentId) {
            auto known = ignoresCase.constFind(row.parentId);
            if (known == ignoresCase.cend())
                known = ignoresCase.insert(row.parentId, probe->ignoresCase(row.parent));
            parentIgnoresCase = *known;
        }
        previous = &row;
        const auto key = [&](const QString& name) {
            return parentIgnoresCase ? name.toCaseFolded() : name;
        };
        canGo[size_t(i)] = row.verdict.outcome == Verdict::Outcome::CanRename;
        plan[size_t(i)] = {row.parentId, key(row.name()),
                           canGo[size_t(i)] ? key(row.newName) : QString()};
    }
    std::vector<Step> steps = RenamePlan::Order(RenamePlan::WaitsFor(plan), canGo);
    for (int i = 0; i < rows.count(); ++i) {
        if (!canGo[size_t(i)])
            steps.push_back({i, Step::Kind::Direct});
    }
    return steps;
}

void report(MessageBoxes& messageBoxes, PassEnd end, bool recordStopped, int renamed, int failed,
            int rows)
{
    const QString counts = Texts::tr("\n修改成功 %1 个，修改出错 %2 个，未修改 %3 个。")
                               .arg(renamed)
                               .arg(failed)
                               .arg(rows - renamed - failed);
    if (recordStopped && end != PassEnd::Closing)
        messageBoxes.inform(AppInfo::title(),
                            Texts::tr("无法继续写入修改记录（磁盘可能已满），批量修改已停止：%1 "
                                      "个目录已改名，其余目录没有修改。已改名的目录可以撤销。")
                                    .arg(renamed) +
                                counts);
    else if (end == PassEnd::Completed)
        messageBoxes.inform(AppInfo::title(), Texts::tr("批量修改目录名称完成！") + counts);
    else if (end == PassEnd::Cancelled)
        messageBoxes.inform(AppInfo::title(),
                            Texts::tr("批量修改已取消：%n 个目录已改名，其余目录没有修改。",
                                      nullptr, int(renamed)) +
                                counts);
}

} // namespace

std::optional<FileSystemError> RenameListedFolder(FileSystem& fileSystem, FolderRenamer& renamer,
                                                  const ListedFolder& folder,
                                                  const QString& newName)
{
    if (std::optional<FileSystemError> problem = fileSystem.checkFolderName(newName))
        return problem;
    return renamer.rename(folder, newName);
}

Verdict 目录重命名(FileSystem& fileSystem, FolderRenamer& renamer, const DirectoryRow& row)
{
    return 目录重命名(fileSystem, renamer, row, row.newName);
}

Verdict 目录重命名(FileSystem& fileSystem, FolderRenamer& renamer, const DirectoryRow& row,
                   const QString& newName)
{
    using Outcome = Verdict::Outcome;
    using Kind = FileSystemError::Kind;
    if (newName == row.name())
        return Verdict{Outcome::SameName, {}};
    const std::optional<FileSystemError> error = RenameListedFolder(
        fileSystem, renamer, ListedFolder{row.parent, row.parentId, row.name(), row.id}, newName);
    if (!error)
        return Verdict{Outcome::Renamed, {}};
    if (error->kind == Kind::MayHaveReplacedFolder)
        return Verdict{Outcome::Renamed, *error};
    // Letter case aside, where the file system does not tell it apart.
    if (error->kind == Kind::TargetIsSameFolder)
        return Verdict{Outcome::SameName, {}};
    if (error->kind == Kind::TargetIsFolder)
        return Verdict{Outcome::AlreadyExists, {}};
    return Verdict{Outcome::Failed, *error};
}

void ConfirmBatchRename(DirectoryListModel& rows, FileSystem& fileSystem,
                        MessageBoxes& messageBoxes, RecordStore& records, PassRunner& passes)
{
    using Outcome = Verdict::Outcome;
    using State = RecordEntry::State;
    std::optional<DirectoryListModel::Hold> hold = rows.hold();
    if (!hold)
        return; // another pass works on the rows
    if (rows.count() > 0 && !anyPreviewed(rows)) {
        messageBoxes.inform(AppInfo::title(), Texts::tr("还没有模拟修改，请先模拟修改。"));
        return;
    }
    if (!confirmed(rows, messageBoxes))
        return;
    RecordedBatch record(records, rows.previewRule());
    if (!record.isRecording() && !messageBoxes.askYesNo(AppInfo::title(), RecordMissingQuestion()))
        return;

    RowsSnapshot snapshot(rows, RowsSnapshot::Changes::Places);
    const bool isPlanned = rows.isPreviewPlanned();
    int renamed = 0;
    int failed = 0;
    const auto renameAll = [&](PassControl& control) {
        const std::unique_ptr<FolderRenamer> renamer = fileSystem.folderRenamer();
        RowsByParent rowsByParent(snapshot);
        const QSet<FileId> programFolders = ProgramFolderIds(fileSystem);
        const std::vector<Step> steps =
            isPlanned ? planned(snapshot, fileSystem) : inListOrder(snapshot);
        const quint64 batch = QRandomGenerator::system()->generate64();
        const auto temporary = [batch](int row) {
            return RenamePlan::TemporaryName(batch, row);
        };
        QHash<int, QString> nameBefore; // of the rows that go through a temporary name
        for (const Step& step : steps) {
            if (step.kind == Step::Kind::ToTemporary || step.kind == Step::Kind::Unwind)
                nameBefore.insert(step.row, snapshot.row(step.row).name());
        }
        // A step's name before it and after it; a row's name changes only by its own steps.
        const auto namesOf = [&](const Step& step) {
            const DirectoryRow& row = snapshot.row(step.row);
            switch (step.kind) {
            case Step::Kind::ToTemporary:
                return std::pair{row.name(), temporary(step.row)};
            case Step::Kind::FromTemporary:
                return std::pair{temporary(step.row), row.newName};
            case Step::Kind::Unwind:
                return std::pair{row.newName, nameBefore.value(step.row)};
            case Step::Kind::BackFromTemporary:
                return std::pair{temporary(step.row), nameBefore.value(step.row)};
            case Step::Kind::Direct:
                break;
            }
            return std::pair{row.name(), row.newName};
        };
        // Every step the batch tries, on record before it happens. A folder with rows below it
        // changes their paths as it is renamed.
        record.plan(int(steps.size()), [&](int k) -> std::optional<RecordedBatch::Planned> {
            const Step& step = steps[size_t(k)];
            const DirectoryRow& row = snapshot.row(step.row);
            const auto [from, to] = namesOf(step);
            if (leftAlone(row, programFolders) || from == to)
                return std::nullopt;
            return RecordedBatch::Planned{
                RecordEntry{State::Pending, row.parent, from, to, row.parentId, row.id},
                rowsByParent.hasRowsBelow(row.key)};
        });
        std::vector<char> atTemporary(size_t(snapshot.count()));
        int leftAtTemporary = 0;            // a cancel waits until no folder is
        std::optional<Verdict> cycleFailed; // why the cycle under way could not be completed
        const auto renameStep = [&](int k) {
            const Step& step = steps[size_t(k)];
            const int i = step.row;
            const DirectoryRow& row = snapshot.row(i);
            if (record.stopped())
                return;
            const bool fromTemporary = step.kind == Step::Kind::FromTemporary ||
                                       step.kind == Step::Kind::BackFromTemporary;
            if (fromTemporary && !atTemporary[size_t(i)])
                return; // not there: its first step failed, or its last went well
            if (step.kind == Step::Kind::Unwind &&
                (!cycleFailed || row.verdict.outcome != Outcome::Renamed))
                return; // the cycle went well, or this row kept its old name
            if (const std::optional<Verdict> verdict = leftAlone(row, programFolders)) {
                snapshot.setVerdict(i, *verdict);
                return;
            }
            const QString to = namesOf(step).second;
            const bool attempt = to != row.name();
            if (attempt && !record.admit(k))
                return; // no rename without its line on record
            const Verdict verdict = 目录重命名(fileSystem, *renamer, row, to);
            if (attempt)
                record.mark(verdict.outcome == Outcome::Renamed ? State::Renamed : State::Failed);
            if (step.kind == Step::Kind::Unwind || step.kind == Step::Kind::BackFromTemporary) {
                // Back to its old name, when that is free, and the row says why the cycle
                // could not be completed; otherwise it stays, its row says where.
                if (verdict.outcome == Outcome::Renamed && cycleFailed) {
                    const QString oldPath = row.key;
                    renamed -= step.kind == Step::Kind::Unwind;
                    failed += step.kind == Step::Kind::Unwind;
                    snapshot.setPlace(i, JoinPath(row.parent, to), *cycleFailed);
                    rowsByParent.follow(snapshot, oldPath, row.key);
                }
                if (step.kind == Step::Kind::BackFromTemporary) {
                    atTemporary[size_t(i)] = false;
                    cycleFailed.reset();
                }
                return;
            }
            if (verdict.outcome != Outcome::Renamed) {
                failed +=
                    verdict.outcome == Outcome::Failed || verdict.outcome == Outcome::AlreadyExists;
                snapshot.setVerdict(i, verdict);
                if (step.kind == Step::Kind::FromTemporary)
                    cycleFailed = verdict;
                return;
            }
            atTemporary[size_t(i)] = step.kind == Step::Kind::ToTemporary;
            renamed += !atTemporary[size_t(i)];
            const QString oldPath = row.key;
            snapshot.setPlace(i, JoinPath(row.parent, to), verdict);
            rowsByParent.follow(snapshot, oldPath, row.key);
        };
        for (int k = 0; k < int(steps.size()); ++k) {
            if (leftAtTemporary == 0 && control.stopHere())
                break;
            const Step& step = steps[size_t(k)];
            const bool wasAtTemporary = atTemporary[size_t(step.row)];
            renameStep(k);
            // Counted while the row is at its temporary name, until its cycle is done.
            leftAtTemporary += int(atTemporary[size_t(step.row)]) - int(wasAtTemporary);
            if (step.kind == Step::Kind::Direct || step.kind == Step::Kind::FromTemporary)
                control.countDone();
        }
        record.finish(control.stopped());
    };
    const PassEnd end = passes.run(Texts::tr("正在修改目录名称……"), snapshot.count(),
                                   snapshot.around(renameAll), [&] { hold->takeOver(snapshot); });
    report(messageBoxes, end, record.stopped(), renamed, failed, snapshot.count());
}
