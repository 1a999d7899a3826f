#pragma once

#include "platform/PassRunner.h"

#include <QtGlobal>

#include <optional>

class DirectoryListModel;
class FileSystem;

enum class RowOrder {
    ByName,     // NaturalNameOrder, then by parent folder
    ByModified, // oldest first; folders that cannot be read last
    ByAddition, // as the rows came into the list
};

// Puts the rows in the order, on a pass (reading modification times touches every folder),
// with one notification at its end; a cancelled pass changes nothing. Descending turns the
// order round, but folders whose time cannot be read stay last.
PassEnd SortRows(DirectoryListModel& rows, FileSystem& fileSystem, RowOrder order,
                 PassRunner& passes, Qt::SortOrder direction = Qt::AscendingOrder);
