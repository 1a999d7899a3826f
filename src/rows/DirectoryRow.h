#pragma once

#include "Verdict.h"
#include "platform/PathJoin.h"

#include <QString>

// One row of the directory list: one directory on disk.
struct DirectoryRow
{
    QString newName; // column 2: the proposed name
    QString key;     // the full path, unique within the list; ends in the directory's name
    QString parent;  // the parent's full path; a null QString for a root, which has none
    FileId id;       // the folder's identity when it was listed
    FileId parentId; // its parent's
    [[no_unique_address]] Verdict verdict; // column 3; addedAs takes the room after it
    quint32 addedAs = 0;                   // the order in which rows came into the list

    bool hasParent() const { return !parent.isNull(); }
    // Column 1: the directory's own name, what the path holds after the parent's (a name kept
    // apart took 24 bytes a row more); empty for a root.
    QString name() const
    {
        const qsizetype start = nameStart();
        return start < 0 ? QString() : NameWithinPath(key, start);
    }
    // The same without a string of its own, to read a million rows' names.
    QStringView nameView() const
    {
        const qsizetype start = nameStart();
        return start < 0 ? QStringView(u"") : QStringView(key).sliced(start);
    }
    // Rows added after the last preview have no proposal yet.
    bool isPreviewed() const
    {
        return verdict.outcome != Verdict::Outcome::None &&
               verdict.outcome != Verdict::Outcome::NeedsPreview;
    }
    QString verdictText() const { return VerdictText(verdict); }
    // The last preview's new name, or the row's own name where it has none.
    QString proposedName() const { return hasProposal() ? newName : name(); }
    bool hasProposal() const { return isPreviewed() && !newName.isEmpty(); }

private:
    qsizetype nameStart() const
    {
        const qsizetype start = JoinedLength(parent, {});
        return !hasParent() || start >= key.size() ? -1 : start;
    }
};

// A row made away from the list's thread, with its key's hash (KeyHash) made there too: the
// list's thread then reads no path as the row comes in.
struct HashedRow
{
    DirectoryRow row;
    size_t keyHash;
};

// The hash by which the list finds a row's key.
inline size_t KeyHash(const QString& key)
{
    return qHash(key);
}

// What a pass changed in one row: only the parts named are handed over, so that the threads
// share as few strings as they can and a change of a hundred thousand rows stays small.
struct ChangedRow
{
    enum Part : quint8 {
        Proposal = 1, // text is the new name; and the verdict
        Outcome = 2,  // the verdict
        Place = 4,    // key is the folder's path now
        Parent = 8,   // text is the parent's path now, key the row's path
    };
    int position;
    quint8 parts;
    Verdict verdict;
    QString text;
    QString key;
};
