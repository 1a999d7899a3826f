#pragma once

#include <QDateTime>
#include <QStringList>

#include <memory>
#include <optional>

// Small text records that must reach the disk line by line: what a batch rename did, so that
// it can be undone even after the program was killed. A journal owns one record at a time (a
// window's last batch); the others are its history.
class Journal
{
public:
    // A record of the history.
    struct Record
    {
        QString name;
        QDateTime began;
        bool heldElsewhere = false; // another window (or running program) owns it
    };

    virtual ~Journal() = default;

    // The lines as a record holds them: UTF-8, each ended by a line feed.
    static QByteArray Utf8Lines(const QStringList& lines)
    {
        qsizetype units = 0;
        for (const QString& line : lines)
            units += line.size() + 1;
        QByteArray bytes;
        bytes.reserve(units + units / 2); // Chinese takes three bytes a unit, ASCII one
        for (const QString& line : lines) {
            bytes += line.toUtf8();
            bytes += '\n';
        }
        return bytes;
    }

    // Starts a new record with the lines and owns it. A record that is not offered after a
    // restart (an undo's own) is not taken as the last batch's. False when it cannot be
    // written.
    virtual bool begin(const QStringList& lines, bool offeredAfterRestart = true) = 0;
    // Adds the text (whole lines in UTF-8) and hands it to the disk, in one write, before
    // returning.
    virtual bool append(const QByteArray& text) = 0;
    bool append(const QStringList& lines) { return append(Utf8Lines(lines)); }
    // The owned record's lines; nothing when there is none or it cannot be read.
    virtual std::optional<QStringList> read() = 0;
    // Replaces the owned record as a whole (whole lines in UTF-8), all at once.
    virtual bool rewrite(const QByteArray& text) = 0;
    bool rewrite(const QStringList& lines) { return rewrite(Utf8Lines(lines)); }
    // The owned record has nothing more to undo: it is kept, but never offered again.
    virtual void retire() = 0;
    // The owned record's name; empty while it owns none.
    virtual QString recordName() const = 0;

    // The records kept, newest first.
    virtual QList<Record> history() = 0;
    virtual std::optional<QStringList> readRecord(const QString& name) = 0;
    // Another journal over the same records: owning the named one (nothing while another
    // window holds it), or none yet when the name is empty.
    virtual std::unique_ptr<Journal> open(const QString& name) = 0;
    // How many records are kept, and for how many days; older ones go when a batch begins.
    virtual void keep(int count, int days) = 0;
};
