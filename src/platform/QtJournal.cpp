#include "QtJournal.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QtJournal::QtJournal(QString path) : m_path(std::move(path)) {}

QString QtJournal::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           u"/last-batch-rename.txt"_s;
}

bool QtJournal::begin(const QStringList& lines)
{
    if (!rewrite(lines))
        return false;
    m_file.setFileName(m_path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

bool QtJournal::append(const QStringList& lines)
{
    // Unbuffered: the lines are with the system when write() returns.
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    return m_file.isOpen() && m_file.write(bytes) == bytes.size();
}

std::optional<QStringList> QtJournal::read()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool QtJournal::rewrite(const QStringList& lines)
{
    // Windows replaces no file that is open, and a rewrite ends the record's appending anyway.
    m_file.close();
    QDir().mkpath(QFileInfo(m_path).path());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString& line : lines)
        file.write(line.toUtf8() + '\n');
    return file.commit();
}
