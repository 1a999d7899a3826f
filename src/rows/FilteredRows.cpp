#include "FilteredRows.h"

#include "DirectoryListModel.h"

FilteredRows::FilteredRows(const DirectoryListModel& rows, RowFilter filter, const QString& text,
                           QObject* parent)
    : QSortFilterProxyModel(parent), m_rows(rows), m_filter(filter), m_text(text)
{
    setDynamicSortFilter(false);
    // Only read: the proxy never changes the rows it shows.
    setSourceModel(const_cast<DirectoryListModel*>(&rows));
}

bool FilteredRows::shows(const DirectoryRow& row) const
{
    using Outcome = Verdict::Outcome;
    switch (m_filter) {
    case RowFilter::All:
        return true;
    case RowFilter::WillChange:
        return row.verdict.outcome == Outcome::CanRename;
    case RowFilter::WontChange:
        return row.verdict.outcome != Outcome::CanRename;
    case RowFilter::Problems:
        return IsProblem(row.verdict);
    case RowFilter::Containing:
        break;
    }
    return row.name().contains(m_text, Qt::CaseInsensitive) ||
           row.proposedName().contains(m_text, Qt::CaseInsensitive);
}

bool FilteredRows::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return shows(m_rows.row(sourceRow));
}
