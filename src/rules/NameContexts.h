#pragma once

#include "PadNumbersStep.h"
#include "RuleStep.h"
#include "platform/FileSystem.h"

#include <QHash>

#include <algorithm>
#include <vector>

// Every row's place in the list and in its parent folder, counted once over the rows (the
// list's model or a pass's copy of it), in their order.
class NameContexts
{
public:
    template <typename Rows>
    explicit NameContexts(const Rows& rows) : m_positionInParent(size_t(rows.count()))
    {
        QHash<FileId, int> seen; // roots, with no parent, count as one folder
        for (int i = 0; i < rows.count(); ++i) {
            int& counted = seen[rows.row(i).parentId];
            m_positionInParent[size_t(i)] = counted++;
            m_largestParentCount = std::max(m_largestParentCount, counted);
            m_widestNumber = std::max(m_widestNumber, WidestNumber(rows.row(i).name()));
        }
    }

    NameContext of(int position) const
    {
        return {position, m_positionInParent[size_t(position)], int(m_positionInParent.size()),
                m_largestParentCount, m_widestNumber};
    }

private:
    std::vector<int> m_positionInParent;
    int m_largestParentCount = 1;
    int m_widestNumber = 0;
};
