#pragma once

#include <QString>

#include <map>
#include <vector>

class RowsSnapshot;

// The rows by their parent's path. Ordered, so that the parents below a folder form one
// range: following a rename costs the rows below it, not a pass over all rows.
class RowsByParent
{
public:
    explicit RowsByParent(const RowsSnapshot& rows);

    // The folder at oldPath is at newPath now: the rows below it say so. Returns how many rows
    // changed.
    int follow(RowsSnapshot& rows, const QString& oldPath, const QString& newPath);

    // Whether any row lies below the folder at the path, at any depth.
    bool hasRowsBelow(const QString& path) const;

private:
    std::map<QString, std::vector<int>, std::less<>> m_rows; // also found by QStringView
};
