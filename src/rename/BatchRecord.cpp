#include "BatchRecord.h"

#include "platform/Journal.h"

BatchRecord::BatchRecord(Journal& journal, QObject* parent) : QObject(parent), m_journal(journal) {}

bool BatchRecord::begin(const QString& rule, const QString& undoOf)
{
    m_rule = rule;
    m_undoOf = undoOf;
    m_lastParent.clear();
    // An undo's own record is not taken for the last batch after a restart.
    m_recording = m_journal.begin(RenameRecord::beginning(rule, undoOf), undoOf.isEmpty());
    m_begun = m_recording;
    return m_recording;
}

bool BatchRecord::writeAhead(const std::vector<RecordEntry>& entries)
{
    if (!m_recording)
        return false;
    m_recording = m_journal.append(RenameRecord::lines(entries, m_lastParent));
    return m_recording;
}

void BatchRecord::finish(std::vector<RecordEntry> entries, bool cancelled)
{
    if (m_recording) {
        BatchRecordContent content{m_rule, m_undoOf, true, cancelled, std::move(entries), 0};
        m_recording = false;
        if (m_journal.rewrite(RenameRecord::whole(content))) {
            settle(content.anyToUndo());
            return;
        }
    }
    // A record that failed along the way: what it holds is what can be undone. Without one,
    // nothing of this batch can.
    if (m_begun)
        refresh();
    else
        settle(false);
}

std::optional<BatchRecordContent> BatchRecord::read()
{
    const std::optional<QStringList> lines = m_journal.read();
    return lines ? RenameRecord::read(*lines) : std::nullopt;
}

void BatchRecord::save(const BatchRecordContent& content)
{
    m_journal.rewrite(RenameRecord::whole(content));
    settle(content.anyToUndo());
}

void BatchRecord::refresh()
{
    const std::optional<BatchRecordContent> content = read();
    settle(content && content->anyToUndo());
}

void BatchRecord::settle(bool undoable)
{
    // A record with nothing left to undo is kept, but never offered again.
    if (!undoable)
        m_journal.retire();
    m_undoable = undoable;
}

void BatchRecord::announce()
{
    if (m_announced == m_undoable)
        return;
    m_announced = m_undoable;
    Q_EMIT undoableChanged(m_undoable);
}
