#pragma once

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <optional>

// The files that keep the records of batch renames, in a folder of their own: small text
// files that must reach the disk before the renames they announce, and locks that tell which
// window (of this run of the program or another) holds a record. Files are named without the
// folder.
class RecordFiles
{
public:
    // Held while it lives.
    class Lock
    {
    public:
        virtual ~Lock() = default;
    };

    // A file open for adding lines at its end.
    class Appender
    {
    public:
        virtual ~Appender() = default;
        // Adds the text in one write and hands it to the disk before returning.
        virtual bool append(const QByteArray& text) = 0;
    };

    virtual ~RecordFiles() = default;

    // The files in the folder whose names end with the suffix.
    virtual QStringList list(const QString& suffix) = 0;
    // The file's lock, taken; nothing while another window holds it. A lock that a program of
    // this computer left when it ended is taken; one of another computer is not.
    virtual std::unique_ptr<Lock> lock(const QString& file) = 0;
    // The computer whose program took the file's lock, where that is another computer than this
    // one (a home folder shared between computers, a records folder copied from one); nothing
    // otherwise.
    virtual QString lockedOnComputer(const QString& file) = 0;
    // The lock that another computer's program took, taken over once the user said that program
    // is no longer there; nothing while it is still held.
    virtual std::unique_ptr<Lock> takeOver(const QString& file) = 0;
    // A new file that holds the text, on the disk, open for appending; nothing when it cannot
    // be written.
    virtual std::unique_ptr<Appender> create(const QString& file, const QByteArray& text) = 0;
    // Replaces the file's text as a whole, all at once, on the disk. The file must not be open
    // for appending (Windows replaces no open file).
    virtual bool replace(const QString& file, const QByteArray& text) = 0;
    virtual std::optional<QByteArray> read(const QString& file) = 0;
    virtual bool rename(const QString& file, const QString& newName) = 0;
    virtual void remove(const QString& file) = 0;
};
