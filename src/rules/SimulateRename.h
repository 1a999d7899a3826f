#pragma once

#include "platform/PassRunner.h"
#include "rows/Verdict.h"

#include <QString>

#include <optional>
#include <vector>

class DirectoryListModel;
class FileSystem;
class StepList;

// How the batch will run the rows: in list order, a row renamed only when its new name is free
// by then; or planned (RenamePlan), a row after the row whose name it takes, cycles and changes
// of letter case through a temporary name.
enum class BatchOrder { ListOrder, Planned };

// The preview pass: every row's proposed name and whether a folder of that name already
// exists beside it. Renames nothing. Nothing, changing nothing, when there are no steps or
// one cannot run; otherwise how the pass ended (rows it did not reach keep what they showed).
std::optional<PassEnd> SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem,
                                      const StepList& steps, PassRunner& passes,
                                      BatchOrder order = BatchOrder::ListOrder);

// The same for names given row by row (newNames[i] for row i: typed, pasted or imported), for a
// planned batch; the rule in words says where they came from.
PassEnd SimulateRenameTo(DirectoryListModel& rows, FileSystem& fileSystem,
                         const std::vector<QString>& newNames, const QString& ruleInWords,
                         PassRunner& passes);

// A row as the names alone show it, before the disk is asked.
struct NamedRow
{
    QString name;
    QString newName;
    FileId parentId;
    bool ignoresCase = false; // as the parent's file system compares names
};

// What the batch will say of each row that the names alone decide: SameName, an invalid name,
// or NameProposedEarlier for a row whose new name an earlier row of the same parent takes;
// CanRename for the rest, which the disk may still refuse. Asks nothing of the disk.
std::vector<Verdict::Outcome> ForetellFromNames(FileSystem& fileSystem,
                                                const std::vector<NamedRow>& rows);
