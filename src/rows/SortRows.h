#pragma once

#include "platform/PassRunner.h"

#include <optional>

class DirectoryListModel;
class FileSystem;

enum class RowOrder {
    ByName,     // NaturalNameOrder, then by parent folder
    ByModified, // oldest first; folders that cannot be read last
    ByAddition, // as the rows came into the list
};

// Puts the rows in the order, on a pass (reading modification times touches every folder),
// with one notification at its end; a cancelled pass changes nothing.
PassEnd SortRows(DirectoryListModel& rows, FileSystem& fileSystem, RowOrder order,
                 PassRunner& passes);
