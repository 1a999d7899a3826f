#include "QtJournal.h"

#include "FileSync.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// A record's name sorts by when its batch began; a retired one ends differently.
const QString recordPrefix = u"batch-"_s;
const QString recordSuffix = u".txt"_s;
const QString retiredSuffix = u".done.txt"_s;
// Records kept, retired or not, besides those that windows hold.
constexpr qsizetype recordsKept = 20;

QStringList recordsNewestFirst(const QString& folder)
{
    QStringList names = QDir(folder).entryList({recordPrefix + u'*' + recordSuffix}, QDir::Files,
                                               QDir::Name | QDir::Reversed);
    return names;
}

} // namespace

QtJournal::QtJournal(QString folder) : m_folder(std::move(folder)) {}

QtJournal::~QtJournal() = default;

QString QtJournal::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u"/records"_s;
}

bool QtJournal::own(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path + u".lock"_s);
    if (!lock->tryLock(0))
        return false; // another window's, or a running program's
    m_file.close();
    m_lock = std::move(lock);
    m_path = path;
    return true;
}

void QtJournal::takeNewestFreeRecord()
{
    for (const QString& name : recordsNewestFirst(m_folder)) {
        if (!name.endsWith(retiredSuffix) && own(m_folder + u'/' + name))
            return;
    }
}

bool QtJournal::begin(const QStringList& lines)
{
    if (!QDir().mkpath(m_folder))
        return false;
    // The old records beyond those kept go, unless a window holds them.
    const QStringList old = recordsNewestFirst(m_folder);
    for (qsizetype i = recordsKept; i < old.size(); ++i) {
        QLockFile lock(m_folder + u'/' + old[i] + u".lock"_s);
        if (lock.tryLock(0))
            QFile::remove(m_folder + u'/' + old[i]);
    }
    const QString name = recordPrefix +
                         QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmss-zzz"_s) + u'-' +
                         QString::number(QCoreApplication::applicationPid()) + recordSuffix;
    m_lock.reset(); // the last batch's record is free for others now
    m_path.clear();
    if (!own(m_folder + u'/' + name) || !rewrite(lines))
        return false;
    m_file.setFileName(m_path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

bool QtJournal::append(const QStringList& lines)
{
    // Unbuffered: the lines are with the system when write() returns, and on the disk after
    // the sync, before the renames they announce.
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    return m_file.isOpen() && m_file.write(bytes) == bytes.size() && SyncToDisk(m_file);
}

std::optional<QStringList> QtJournal::read()
{
    if (m_path.isEmpty())
        takeNewestFreeRecord();
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly))
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
    if (m_path.isEmpty())
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    // Every step checked: commit() alone may report success after a write that failed.
    if (file.write(bytes) != bytes.size() || !file.flush() || !SyncToDisk(file)) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

void QtJournal::retire()
{
    m_file.close();
    if (m_path.isEmpty())
        return;
    QString retired = m_path;
    retired.replace(retired.size() - recordSuffix.size(), recordSuffix.size(), retiredSuffix);
    QFile::rename(m_path, retired);
    m_lock.reset();
    m_path.clear();
}
