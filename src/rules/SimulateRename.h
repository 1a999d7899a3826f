#pragma once

#include "platform/PassRunner.h"

#include <optional>

class DirectoryListModel;
class FileSystem;
class StepList;
struct RenameRule;

// The preview pass: every row's proposed name and whether a folder of that name already
// exists beside it. Renames nothing. Nothing, changing nothing, when the selected rule's text
// is blank; otherwise how the pass ended (rows it did not reach keep what they showed).
std::optional<PassEnd> SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem,
                                      const RenameRule& rule, PassRunner& passes);

// The same with a rule made of steps: nothing when there are none or one cannot run.
std::optional<PassEnd> SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem,
                                      const StepList& steps, PassRunner& passes);
