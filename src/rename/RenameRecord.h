#pragma once

#include "platform/FileSystem.h"
#include "platform/PathJoin.h"

#include <QByteArray>
#include <QStringList>

#include <optional>
#include <vector>

// One folder of a batch rename, as its record keeps it.
struct RecordEntry
{
    enum class State { Pending, Renamed, Failed, Undone, UndoFailed };

    State state = State::Pending;
    QString parent; // shared by the entries of one parent: a folder is renamed within it
    QString oldName;
    QString newName;
    FileId parentId;
    FileId id;

    QString oldPath() const { return JoinPath(parent, oldName); }
    QString newPath() const { return JoinPath(parent, newName); }

    // Renamed by the batch (or perhaps renamed, when the batch was cut off) and not undone.
    bool needsUndo() const
    {
        return state == State::Pending || state == State::Renamed || state == State::UndoFailed;
    }
};

// What a record says of its batch.
struct BatchRecordContent
{
    QString rule;                     // the rule in words; empty in records of earlier versions
    QString undoOf;                   // for the undo of a batch, the name of that batch's record
    bool ended = false;               // the batch ran to its end or was cancelled, not cut off
    bool cancelled = false;           // it was cancelled
    std::vector<RecordEntry> entries; // in batch order
    int unreadable = 0; // lines that could not be read (a torn last line is not counted)

    bool anyToUndo() const;
};

// A record is plain UTF-8 text, one line an item, fields separated by TAB:
//   the header; "规则", the rule in words; for an undo, "撤销记录" and the undone record's name;
//   "目录", a parent's path and identity, before the first entry below it;
//   an entry: what happened, the old name, the new name, the folder's identity;
//   at the end, "结束" and "已完成" or "已取消".
// "%", TAB and line ends in texts are written as %25, %09, %0A and %0D, and the bytes of a name
// that is not UTF-8 as %80 to %FF. An entry may appear more than once: its last line counts.
namespace RenameRecord {

// What happened to an entry, in the record's words ("修改成功", "已撤销" …).
QString stateWord(RecordEntry::State state);
// The same word as the interface shows it, in its language.
QString shownStateWord(RecordEntry::State state);

QStringList beginning(const QString& rule, const QString& undoOf = {});
// The entries' lines. `parent` is the parent of the last line written before them (empty at
// the record's start); a parent's line comes before the first entry below it.
QStringList lines(const std::vector<RecordEntry>& entries, QString& parent);
QString ending(bool cancelled);
// The lines as a record file holds them: UTF-8, each ended by a line feed.
QByteArray utf8Text(const QStringList& lines);
// The whole record, as lines and as the UTF-8 text of a record file.
QStringList whole(const BatchRecordContent& content);
QByteArray wholeText(const BatchRecordContent& content);

// From the record's UTF-8 text; nothing for a record that is not one of ours. Earlier versions
// of the record are read too.
std::optional<BatchRecordContent> read(const QByteArray& text);

// A record as it is written: its beginning, then blocks of entries put on record ahead of
// their renames, marked "准备修改", and at the end the whole record with each entry's outcome
// in place of that mark. Entries are counted in the order they were written.
class Writer
{
public:
    Writer(const QString& rule, const QString& undoOf);

    const QByteArray& beginning() const { return m_beginning; }
    // The lines that put the entries on record, to add to it.
    QByteArray ahead(const std::vector<RecordEntry>& entries);
    // The whole record: every entry written ahead with its outcome (outcomes[k] for the k-th
    // written), and its end. An entry whose outcome is still Pending (never reached, or left
    // alone) is left out.
    QByteArray finished(const std::vector<RecordEntry::State>& outcomes, bool cancelled) const;
    // Frees what was written: a million folders' lines take some 75 MB.
    void clear();

private:
    QByteArray m_beginning;
    QByteArray m_written;                // the entries' lines, as written ahead
    std::vector<qsizetype> m_entryLines; // where each entry's line starts in them
    QString m_lastParent;
};

} // namespace RenameRecord
