#include "RowsSnapshot.h"

#include "DirectoryListModel.h"
#include "common/PathJoin.h"

RowsSnapshot::RowsSnapshot(const DirectoryListModel& rows)
{
    m_rows.reserve(size_t(rows.count()));
    for (int i = 0; i < rows.count(); ++i)
        m_rows.push_back(rows.row(i));
}

void RowsSnapshot::handOver(int position)
{
    m_changes.put(ChangedRow{position, m_rows[size_t(position)]});
}

void RowsSnapshot::setProposal(int position, const QString& newName, const Verdict& verdict)
{
    DirectoryRow& r = m_rows[size_t(position)];
    r.newName = newName;
    r.verdict = verdict;
    handOver(position);
}

void RowsSnapshot::setVerdict(int position, const Verdict& verdict)
{
    m_rows[size_t(position)].verdict = verdict;
    handOver(position);
}

void RowsSnapshot::setRenamed(int position, const QString& newKey)
{
    DirectoryRow& r = m_rows[size_t(position)];
    r.name = r.newName;
    r.key = newKey;
    handOver(position);
}

void RowsSnapshot::setUndone(int position, const QString& name, const QString& key)
{
    DirectoryRow& r = m_rows[size_t(position)];
    r.name = name;
    r.key = key;
    handOver(position);
}

void RowsSnapshot::setParent(int position, const QString& parent)
{
    DirectoryRow& r = m_rows[size_t(position)];
    r.parent = parent;
    r.key = JoinPath(parent, r.name);
    handOver(position);
}
