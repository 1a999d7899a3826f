#pragma once

#include "Journal.h"

#include <QFile>

#include <memory>

class QLockFile;

// The records of batch renames as UTF-8 text files in a folder, one a batch, by default in the
// user's data folder. A journal (one a window) owns the record of its own last batch, with a
// lock file beside it while it lives, and never touches another window's: several windows of
// the program may run at once. Until its first batch it takes the newest batch record that
// nobody holds and that still has something to undo, such as one a closed or killed program
// left.
class QtJournal : public Journal
{
public:
    explicit QtJournal(QString folder = defaultFolder());
    ~QtJournal() override;

    static QString defaultFolder();
    const QString& folder() const { return m_folder; }
    // The record this journal owns; empty before it has one.
    const QString& path() const { return m_path; }

    bool begin(const QStringList& lines, bool offeredAfterRestart = true) override;
    using Journal::append;
    using Journal::rewrite;
    bool append(const QByteArray& text) override;
    std::optional<QStringList> read() override;
    bool rewrite(const QByteArray& text) override;
    void retire() override;
    QString recordName() const override;

    QList<Record> history() override;
    std::optional<QStringList> readRecord(const QString& name) override;
    std::unique_ptr<Journal> open(const QString& name) override;
    void keep(int count, int days) override;

private:
    bool own(const QString& path);
    void takeNewestFreeRecord();
    QString pathOf(const QString& name) const;
    void removeOldRecords();

    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QFile m_file;
    int m_keptCount = 20;
    int m_keptDays = 90;
};
