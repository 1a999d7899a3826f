#pragma once

#include "platform/PassRunner.h"

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
