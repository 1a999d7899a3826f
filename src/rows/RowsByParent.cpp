#include "RowsByParent.h"

#include "RowsSnapshot.h"
#include "platform/PathJoin.h"

#include <QVarLengthArray>

namespace {

// The path and a separator, which the paths below it begin with; made without an allocation for
// most paths, as a batch asks for every folder it renames.
class PathBelow
{
public:
    explicit PathBelow(QStringView path)
    {
        m_text.append(path.data(), path.size());
        m_text.append(PathSeparator);
    }
    QStringView view() const { return {m_text.data(), m_text.size()}; }

private:
    QVarLengthArray<QChar, 512> m_text;
};

} // namespace

RowsByParent::RowsByParent(const RowsSnapshot& rows)
{
    std::vector<int>* last = nullptr;
    const QString* lastParent = nullptr;
    for (int i = 0; i < rows.count(); ++i) {
        const QString& parent = rows.row(i).parent;
        if (parent.isNull())
            continue;
        // Rows of one parent usually come together and share its text.
        if (!last || parent.constData() != lastParent->constData() || parent != *lastParent)
            last = &m_rows[parent];
        lastParent = &parent;
        last->push_back(i);
    }
}

int RowsByParent::follow(RowsSnapshot& rows, const QString& oldPath, const QString& newPath)
{
    std::vector<std::pair<QString, std::vector<int>>> moved;
    if (auto node = m_rows.extract(oldPath))
        moved.emplace_back(std::move(node.key()), std::move(node.mapped()));
    const PathBelow below(oldPath);
    for (auto it = m_rows.lower_bound(below.view());
         it != m_rows.end() && it->first.startsWith(below.view());) {
        moved.emplace_back(it->first, std::move(it->second));
        it = m_rows.erase(it);
    }
    int changed = 0;
    for (auto& [parent, positions] : moved) {
        const QString newParent = newPath % QStringView(parent).mid(oldPath.size());
        for (const int position : positions)
            rows.setParent(position, newParent);
        changed += int(positions.size());
        std::vector<int>& merged = m_rows[newParent];
        merged.insert(merged.end(), positions.begin(), positions.end());
    }
    return changed;
}

bool RowsByParent::hasRowsBelow(const QString& path) const
{
    const auto it = m_rows.lower_bound(path);
    if (it == m_rows.end())
        return false;
    if (it->first == path)
        return true;
    // Past the path itself, its subfolders' paths come first among those it begins.
    const PathBelow below(path);
    const auto first = m_rows.lower_bound(below.view());
    return first != m_rows.end() && first->first.startsWith(below.view());
}
