#pragma once

#include <QStringList>

#include <optional>

// A small text record that must reach the system line by line: what a window's last batch
// rename did, so that it can be undone even after the program was killed.
class Journal
{
public:
    virtual ~Journal() = default;

    // Starts a new record with the lines, replacing the old one. False when it cannot be
    // written.
    virtual bool begin(const QStringList& lines) = 0;
    // Adds the lines and hands them to the system, in one write, before returning.
    virtual bool append(const QStringList& lines) = 0;
    // The record's lines; nothing when there is none or it cannot be read.
    virtual std::optional<QStringList> read() = 0;
    // Replaces the record as a whole, all at once.
    virtual bool rewrite(const QStringList& lines) = 0;
    // The record has nothing more to undo: it is kept, but never offered again.
    virtual void retire() = 0;
};
