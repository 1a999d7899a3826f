#pragma once

#include "BatchHistory.h"

#include <QDialog>

class DirectoryListModel;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class Settings;
struct Platform;

// The batches of the history, newest first, each with its folders; any batch can be undone
// once no newer batch needs its folders' names.
class FormHistory : public QDialog
{
    Q_OBJECT

public:
    FormHistory(QWidget* parent, DirectoryListModel& rows, Platform& platform,
                RecordStore& records);
    ~FormHistory() override;

    const QList<BatchInHistory>& history() const { return m_history; }
    // Selects the batch at the position (newest first).
    void select(int position);
    // 撤销这次修改.
    void undoSelected();

Q_SIGNALS:
    // The history is read (after the first showing and after each undo).
    void historyRead();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void readHistory();
    void showSelected();
    void keepChanged();

    DirectoryListModel& m_rows;
    Platform& m_platform;
    RecordStore& m_records;
    QList<BatchInHistory> m_history;
    bool m_readStarted = false;

    QTreeWidget* m_batches = nullptr;
    QTreeWidget* m_folders = nullptr;
    QLabel* m_why = nullptr;
    QPushButton* m_undo = nullptr;
    QSpinBox* m_keptCount = nullptr;
    QSpinBox* m_keptDays = nullptr;
};

// The settings of the history, as the dialog leaves them: how many records are kept and for
// how many days.
void ApplyRecordsKept(RecordStore& records, const Settings& settings);
