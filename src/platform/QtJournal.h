#pragma once

#include "Journal.h"

#include <QFile>

// The record as a UTF-8 text file, by default in the user's data folder.
class QtJournal : public Journal
{
public:
    explicit QtJournal(QString path = defaultPath());

    static QString defaultPath();
    const QString& path() const { return m_path; }

    bool begin(const QStringList& lines) override;
    bool append(const QStringList& lines) override;
    std::optional<QStringList> read() override;
    bool rewrite(const QStringList& lines) override;

private:
    QString m_path;
    QFile m_file;
};
