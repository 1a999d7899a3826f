#pragma once

#include "platform/FileSystem.h"

#include <QString>

// What column 3 says about a row, as data: the preview's and the rename's outcomes.
// VerdictText() turns it into the words the list shows.
struct Verdict
{
    enum class Outcome : quint8 {
        None,                // not previewed yet: column 3 is empty
        CanRename,           // the preview found the new name free
        FolderExists,        // the preview found a folder of the new name
        InvalidName,         // the preview found a name no folder can have
        NameTooLong,         // the preview found a name longer than any folder's can be
        TooComplex,          // the rule cannot work the new name out within its bounds
        NameProposedEarlier, // an earlier row in the same folder gets the new name first
        TakenByFile,         // the preview found a file (or a link to no folder) of the new name
        RootNotRenamed,
        ProgramsOwnFolder, // holds the running program or its records: never renamed
        NeedsPreview,      // added after the last preview, so the rename left it alone
        SameName,
        AlreadyExists,
        Renamed,
        Failed,     // error holds why
        Undone,     // the undo gave the folder its old name back
        UndoFailed, // error holds why
    };

    Verdict() = default;
    Verdict(Outcome rowOutcome, FileSystemError why) : error(std::move(why)), outcome(rowOutcome) {}

    // Meaningful for Failed and UndoFailed, and for Renamed and Undone where another folder may
    // have been replaced (MayHaveReplacedFolder). The outcome takes the room after it: a row
    // is eight bytes smaller.
    [[no_unique_address]] FileSystemError error;
    Outcome outcome = Outcome::None;

    bool operator==(const Verdict&) const = default;
};

QString VerdictText(const Verdict& verdict);

// What the preview says of a name the file system says no folder can have.
Verdict::Outcome InvalidNameOutcome(const FileSystemError& problem);

// True for what a batch or its undo made of a row, false for a preview's foretelling.
bool IsBatchOutcome(Verdict::Outcome outcome);

// True where the row will not or could not be renamed as proposed: a preview's refusal, a
// failure, or a rename that may have replaced another folder. Not for an unchanged name.
bool IsProblem(const Verdict& verdict);

// The words for a failure, without the "修改出错:" prefix.
QString DescribeError(const FileSystemError& error);
