#pragma once

#include "platform/PassRunner.h"

#include <optional>

class DirectoryListModel;
class FileSystem;
class StepList;

// The preview pass: every row's proposed name and whether a folder of that name already
// exists beside it. Renames nothing. Nothing, changing nothing, when there are no steps or
// one cannot run; otherwise how the pass ended (rows it did not reach keep what they showed).
std::optional<PassEnd> SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem,
                                      const StepList& steps, PassRunner& passes);
