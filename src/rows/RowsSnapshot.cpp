#include "RowsSnapshot.h"

#include "DirectoryListModel.h"
#include "platform/PassRunner.h"
#include "platform/PathJoin.h"

RowsSnapshot::RowsSnapshot(const DirectoryListModel& rows, Changes changes)
    : m_source(rows), m_kind(changes), m_count(rows.count())
{}

std::function<void(PassControl&)> RowsSnapshot::around(std::function<void(PassControl&)> work)
{
    return [this, work = std::move(work)](PassControl& control) {
        m_control = &control;
        if (m_kind == Changes::Places) {
            m_rows.reserve(size_t(m_count));
            for (int i = 0; i < m_count; ++i)
                m_rows.push_back(m_source.row(i));
            m_read = m_rows.data();
        } else {
            m_read = m_count > 0 ? &m_source.row(0) : nullptr;
        }
        work(control);
        m_read = nullptr;
        m_control = nullptr;
        std::vector<DirectoryRow>().swap(m_rows);
    };
}

void RowsSnapshot::setProposal(int position, const QString& newName, const Verdict& verdict)
{
    if (m_kind == Changes::Places) {
        m_rows[size_t(position)].newName = newName;
        m_rows[size_t(position)].verdict = verdict;
    }
    handOver({position, ChangedRow::Proposal, verdict, newName, {}});
}

void RowsSnapshot::setVerdict(int position, const Verdict& verdict)
{
    if (m_kind == Changes::Places)
        m_rows[size_t(position)].verdict = verdict;
    handOver({position, ChangedRow::Outcome, verdict, {}, {}});
}

void RowsSnapshot::setPlace(int position, const QString& key, const Verdict& verdict)
{
    Q_ASSERT(m_kind == Changes::Places);
    DirectoryRow& r = m_rows[size_t(position)];
    r.key = key;
    r.verdict = verdict;
    handOver({position, ChangedRow::Place | ChangedRow::Outcome, verdict, {}, key});
}

void RowsSnapshot::setParent(int position, const QString& parent)
{
    Q_ASSERT(m_kind == Changes::Places);
    DirectoryRow& r = m_rows[size_t(position)];
    r.key = JoinPath(parent, r.name()); // the name as the old parent's path ends
    r.parent = parent;
    handOver({position, ChangedRow::Parent, {}, parent, r.key});
}

void RowsSnapshot::handOver(ChangedRow change)
{
    m_changes.put(std::move(change));
    if (m_control)
        m_control->countHandedOver();
}
