#pragma once

#include "RenameRecord.h"
#include "platform/RecordFiles.h"

#include <QDateTime>
#include <QObject>

#include <atomic>
#include <memory>

// A record this window holds: its lock taken and, while its batch goes on record, open for
// appending.
class HeldRecord
{
public:
    HeldRecord(RecordFiles& files, QString file, std::unique_ptr<RecordFiles::Lock> lock,
               std::unique_ptr<RecordFiles::Appender> appender = {});

    const QString& name() const { return m_name; }
    const QString& file() const { return m_file; }
    // Adds whole lines, on the disk before returning.
    bool append(const QByteArray& text);
    // Replaces the record as a whole; it takes no more lines after that.
    bool replace(const QByteArray& text);
    std::optional<BatchRecordContent> read();
    // Nothing more to undo: the record is kept, but never offered again.
    void retire();

private:
    RecordFiles& m_files;
    QString m_file;
    QString m_name;
    std::unique_ptr<RecordFiles::Lock> m_lock;
    std::unique_ptr<RecordFiles::Appender> m_appender;
};

// The records of batch renames, one a batch, over their files: it names them, lists the
// history, leaves out the old ones and knows which record is this window's last batch and
// whether that can be undone. Several windows of the program (and several runs of it) may
// share the records: a window never touches a record another holds. Until its first batch a
// window takes the newest record of a batch that nobody holds and that still has something to
// undo, such as one a closed or killed program left.
//
// Locks are asked and the folder listed on the windows' thread (from a worker, under wine, the
// program hangs or cannot end); reading, writing and settling a record may run on a pass's
// worker.
class RecordStore : public QObject
{
    Q_OBJECT

public:
    // A record of the history.
    struct Record
    {
        QString name;
        QDateTime began;
        bool heldElsewhere = false; // another window (or running program) holds it
        QString otherComputer;      // the computer whose program took the lock, if not this one
    };

    explicit RecordStore(RecordFiles& files, QObject* parent = nullptr);
    ~RecordStore() override;

    // When the batch of the named record began, in local time.
    static QDateTime beganOf(const QString& name);

    // How many records are kept, and for how many days; older ones go when a batch begins.
    void keep(int count, int days);
    // The records kept, newest first.
    QList<Record> history();
    // Safe on a pass's worker.
    std::optional<BatchRecordContent> read(const QString& name);

    // A new record that begins with the text; nothing when it cannot be written. An undo's own
    // record is never taken for a window's last batch after a restart. The window's last batch
    // stays its own until the new batch's record takes its place (adopt()).
    std::unique_ptr<HeldRecord> begin(const QByteArray& beginning, bool isUndo);
    // The named record; nothing while another window holds it.
    std::unique_ptr<HeldRecord> hold(const QString& name);
    // The named record that a program of another computer held, once the user said that it is
    // no longer there; nothing while it is still held.
    std::unique_ptr<HeldRecord> takeOver(const QString& name);

    // The record of this window's last batch, taking the newest free one when it has none;
    // nothing when there is none.
    HeldRecord* owned();
    QString ownedName() const;
    bool isUndoable() const { return m_undoable; }
    // The window's last batch, as the record read at refresh() says, was cut off before its end
    // (a crash, a killed program).
    bool wasLastBatchCutOff() const { return m_lastCutOff; }
    // A batch of this window has ended: its record (nothing when it had none) is the window's
    // last batch now.
    void adopt(std::unique_ptr<HeldRecord> record, bool undoable);
    // The record with what is left to undo: one with nothing left is retired.
    void settle(HeldRecord& record, bool undoable);
    // Keeps the content (the states an undo gave the entries) as the record, and settles it;
    // false when the record could not be written.
    bool save(HeldRecord& record, const BatchRecordContent& content);
    // Reads the window's record again, as after the program started.
    void refresh();

Q_SIGNALS:
    // On the windows' thread, when the window's last batch can be undone or no longer can.
    void undoableChanged(bool undoable);

private:
    QStringList recordFiles(const QString& prefix = {});
    QString fileOf(const QString& name);
    std::unique_ptr<HeldRecord> heldWith(const QString& file,
                                         std::unique_ptr<RecordFiles::Lock> lock);
    void removeOldRecords();
    void setUndoable(bool undoable);
    void announce();

    RecordFiles& m_files;
    std::unique_ptr<HeldRecord> m_owned;
    std::atomic<bool> m_undoable = false;
    bool m_announced = false;
    bool m_lastCutOff = false;
    int m_keptCount = 20;
    int m_keptDays = 90;
};
