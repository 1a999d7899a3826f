#pragma once

#include <QSortFilterProxyModel>

class DirectoryListModel;
struct DirectoryRow;

// Which rows the list shows while the user narrows it down.
enum class RowFilter { All, WillChange, WontChange, Problems, Containing };

// The list's rows that a filter lets through, in the list's order. Rows added or removed come
// and go at once; rows whose verdicts change keep their place until the filter is made again,
// which costs one pass over the rows (rows leaving one by one could cost one per row).
class FilteredRows : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    // Containing: the old or the new name holds the text, whatever its letter case.
    FilteredRows(const DirectoryListModel& rows, RowFilter filter, const QString& text,
                 QObject* parent = nullptr);

    RowFilter filter() const { return m_filter; }
    const QString& text() const { return m_text; }
    bool shows(const DirectoryRow& row) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const DirectoryListModel& m_rows;
    RowFilter m_filter;
    QString m_text;
    Qt::CaseSensitivity m_case; // sensitive where the text has no letter with a case
};
