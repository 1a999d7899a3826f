#pragma once

#include "Verdict.h"

#include <QString>

// One row of the directory list: one directory on disk.
struct DirectoryRow
{
    QString name;    // column 1: the directory's own name; empty for a root
    QString newName; // column 2: the proposed name
    QString key;     // the full path, unique within the list
    QString parent;  // the parent's full path; a null QString for a root, which has none
    FileId id;       // the folder's identity when it was listed
    FileId parentId; // its parent's
    Verdict verdict; // column 3

    bool hasParent() const { return !parent.isNull(); }
    // Rows added after the last preview have no proposal yet.
    bool isPreviewed() const
    {
        return verdict.outcome != Verdict::Outcome::None &&
               verdict.outcome != Verdict::Outcome::NeedsPreview;
    }
    QString verdictText() const { return VerdictText(verdict); }
};

// A row's new state, as a pass that worked on a copy of the rows hands it over.
struct ChangedRow
{
    int position;
    DirectoryRow row;
};
