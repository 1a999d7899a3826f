#include "RowsSnapshot.h"

#include "DirectoryListModel.h"
#include "platform/PathJoin.h"

RowsSnapshot::RowsSnapshot(const DirectoryListModel& rows) : m_source(rows), m_count(rows.count())
{}

std::function<void(PassControl&)> RowsSnapshot::around(std::function<void(PassControl&)> work)
{
    return [this, work = std::move(work)](PassControl& control) {
        m_rows.reserve(size_t(m_count));
        for (int i = 0; i < m_count; ++i)
            m_rows.push_back(m_source.row(i));
        work(control);
        std::vector<DirectoryRow>().swap(m_rows);
    };
}

void RowsSnapshot::handOver(int position, quint8 parts)
{
    const DirectoryRow& r = m_rows[size_t(position)];
    ChangedRow change{position, parts, {}};
    if (parts & ChangedRow::Proposal)
        change.row.newName = r.newName;
    if (parts & (ChangedRow::Proposal | ChangedRow::Outcome))
        change.row.verdict = r.verdict;
    if (parts & ChangedRow::Place) {
        change.row.name = r.name;
        change.row.key = r.key;
        change.row.parent = r.parent;
    }
    m_changes.put(std::move(change));
}

void RowsSnapshot::setProposal(int position, const QString& newName, const Verdict& verdict)
{
    DirectoryRow& r = m_rows[size_t(position)];
    r.newName = newName;
    r.verdict = verdict;
    handOver(position, ChangedRow::Proposal);
}

void RowsSnapshot::setVerdict(int position, const Verdict& verdict)
{
    m_rows[size_t(position)].verdict = verdict;
    handOver(position, ChangedRow::Outcome);
}

void RowsSnapshot::setPlace(int position, const QString& name, const QString& key,
                            const Verdict& verdict)
{
    DirectoryRow& r = m_rows[size_t(position)];
    r.name = name;
    r.key = key;
    r.verdict = verdict;
    handOver(position, ChangedRow::Place | ChangedRow::Outcome);
}

void RowsSnapshot::setParent(int position, const QString& parent)
{
    DirectoryRow& r = m_rows[size_t(position)];
    r.parent = parent;
    r.key = JoinPath(parent, r.name);
    handOver(position, ChangedRow::Place);
}
