#include "BatchRecord.h"

#include "platform/Journal.h"

#include <QStringList>

BatchRecord::BatchRecord(Journal& journal, QObject* parent) : QObject(parent), m_journal(journal) {}

bool BatchRecord::begin(const QString& rule, const QString& undoOf)
{
    m_rule = rule;
    m_undoOf = undoOf;
    m_lastParent.clear();
    m_written.clear();
    m_entryLines.clear();
    const QStringList beginning = RenameRecord::beginning(rule, undoOf);
    m_beginning = Journal::Utf8Lines(beginning);
    // An undo's own record is not taken for the last batch after a restart.
    m_recording = m_journal.begin(beginning, undoOf.isEmpty());
    m_begun = m_recording;
    return m_recording;
}

bool BatchRecord::writeAhead(const std::vector<RecordEntry>& entries)
{
    if (!m_recording)
        return false;
    const qsizetype blockStart = m_written.size();
    const QString pending = RenameRecord::stateWord(RecordEntry::State::Pending);
    for (const QString& line : RenameRecord::lines(entries, m_lastParent)) {
        if (line.startsWith(pending))
            m_entryLines.push_back(m_written.size());
        m_written += line.toUtf8();
        m_written += '\n';
    }
    m_recording = m_journal.append(m_written.sliced(blockStart));
    return m_recording;
}

// The lines written ahead with each entry's outcome in place of its pending state, up to the
// last entry the batch reached; nothing when they do not stand for the entries.
std::optional<QByteArray> BatchRecord::patchedRecord(const BatchRecordContent& content) const
{
    const std::vector<RecordEntry>& entries = content.entries;
    if (entries.size() > m_entryLines.size())
        return std::nullopt;
    const QByteArray pending = RenameRecord::stateWord(RecordEntry::State::Pending).toUtf8();
    const qsizetype end =
        entries.size() < m_entryLines.size() ? m_entryLines[entries.size()] : m_written.size();
    QByteArray text = m_beginning + m_written.first(end);
    for (size_t k = 0; k < entries.size(); ++k) {
        const QByteArray state = RenameRecord::stateWord(entries[k].state).toUtf8();
        if (state.size() != pending.size())
            return std::nullopt;
        text.replace(m_beginning.size() + m_entryLines[k], state.size(), state);
    }
    return text + Journal::Utf8Lines({RenameRecord::ending(content.cancelled)});
}

void BatchRecord::finish(std::vector<RecordEntry> entries, bool cancelled)
{
    if (m_recording) {
        BatchRecordContent content{m_rule, m_undoOf, true, cancelled, std::move(entries), 0};
        m_recording = false;
        const std::optional<QByteArray> patched = patchedRecord(content);
        forgetWritten();
        if (patched ? m_journal.rewrite(*patched)
                    : m_journal.rewrite(RenameRecord::whole(content))) {
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

void BatchRecord::forgetWritten()
{
    // A million folders' lines take some 75 MB.
    QByteArray().swap(m_written);
    std::vector<qsizetype>().swap(m_entryLines);
}

void BatchRecord::refresh()
{
    forgetWritten();
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
