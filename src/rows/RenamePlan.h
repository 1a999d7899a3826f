#pragma once

#include "platform/FileSystem.h"

#include <QString>

#include <vector>

// A batch that gives folders names that others of the same batch give up, whatever the rows'
// order: a numbering shifted by one, two names swapped, names rotated, letter case changed
// where case does not count. A row waits for the row whose name it takes, in the same parent;
// a cycle goes through a temporary name in that parent. Rows are positions in one vector.
namespace RenamePlan {

struct Row
{
    FileId parentId;
    QString oldKey; // the name as the parent matches names (case-folded where case does not count)
    QString newKey; // empty where the batch does not rename the row
};

// For each row, the renamed row of the same parent whose name it takes (itself for a change of
// letter case where case does not count: that row gives its name up to nobody), or -1.
std::vector<int> WaitsFor(const std::vector<Row>& rows);

// Rows that can go as far as they alone are concerned (canGo): one that waits for a row that
// cannot go cannot go either, in turn; a cycle of rows that can go goes.
void LetWaitingRowsGo(std::vector<char>& canGo, const std::vector<int>& waitsFor);

struct Step
{
    enum class Kind : quint8 {
        Direct,        // old name to new name
        ToTemporary,   // the first step of a cycle's first row
        FromTemporary, // its last: temporary name to new name
        // Only where that failed, so that every folder of the cycle has a name it had: each
        // other row of the cycle that got its new name back to its old name, then the first
        // row from the temporary name to its old name.
        Unwind,
        BackFromTemporary,
    };
    int row = 0;
    Kind kind = Kind::Direct;
};

// The renamed rows' steps in the order they run: in list order, a row after the row it waits
// for, a cycle broken by moving its first row to a temporary name first.
std::vector<Step> Order(const std::vector<int>& waitsFor, const std::vector<char>& renamed);

// The temporary name of a row of the batch: no user's, valid on every file system.
QString TemporaryName(quint64 batch, int row);
bool IsTemporaryName(QStringView name);

} // namespace RenamePlan
