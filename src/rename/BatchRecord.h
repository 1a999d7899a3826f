#pragma once

#include "RenameRecord.h"

#include <QObject>

class Journal;

// The record of one window's last batch rename, over its journal: begun before the batch, each
// rename on record before it happens, every outcome at the end; read back for the undo. It
// knows whether the batch can be undone and says so on the windows' thread, in announce();
// the rest may run on a pass's worker.
class BatchRecord : public QObject
{
    Q_OBJECT

public:
    explicit BatchRecord(Journal& journal, QObject* parent = nullptr);

    // Starts the record of a new batch; false when it cannot be written.
    bool begin(const QString& rule, const QString& undoOf = {});
    bool isRecording() const { return m_recording; }
    // Puts the renames on record, with the disk, before they happen; false when the record
    // cannot take them (the batch must stop).
    bool writeAhead(const std::vector<RecordEntry>& entries);
    // The batch's end: every entry with its outcome. Without a record, nothing.
    void finish(std::vector<RecordEntry> entries, bool cancelled);
    // The record as it is now; nothing when there is none or it is not one of ours.
    std::optional<BatchRecordContent> read();
    // Keeps the content (the states an undo gave the entries) as the record.
    void save(const BatchRecordContent& content);

    Journal& journal() { return m_journal; }
    bool isUndoable() const { return m_undoable; }
    // Reads the record again, as after the program started.
    void refresh();
    // Says whether the batch can be undone, if that changed since it last said so.
    void announce();

Q_SIGNALS:
    void undoableChanged(bool undoable);

private:
    void settle(bool undoable);
    std::optional<QByteArray> patchedRecord(const BatchRecordContent& content) const;
    void forgetWritten();

    Journal& m_journal;
    bool m_recording = false;
    bool m_begun = false; // the batch's record could be started
    QString m_rule;
    QString m_undoOf;
    QString m_lastParent;
    // What is on record so far, and where each entry's line and state word start in it: the
    // end of the batch patches the states instead of writing every line again.
    QByteArray m_beginning;
    QByteArray m_written;
    std::vector<qsizetype> m_entryLines;
    bool m_undoable = false;
    bool m_announced = false;
};
