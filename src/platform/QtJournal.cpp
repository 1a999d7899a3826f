#include "QtJournal.h"

#include "FileSync.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>

using namespace Qt::StringLiterals;

namespace {

// A record's name says what it is and when its batch began (UTC), then the process and a
// number that tells two records of one millisecond apart: "batch-20261208-093000-123-4242-0001".
// An undo's own record is not offered as the last batch after a restart.
const QString batchPrefix = u"batch-"_s;
const QString undoPrefix = u"undo-"_s;
const QString recordSuffix = u".txt"_s;
const QString retiredSuffix = u".done.txt"_s;
const QString timeFormat = u"yyyyMMdd-HHmmss-zzz"_s;

QString nameOfFile(const QString& file)
{
    return file.endsWith(retiredSuffix) ? file.chopped(retiredSuffix.size())
                                        : file.chopped(recordSuffix.size());
}

// What orders the records: the time, then the rest.
QString orderOf(const QString& name)
{
    return name.section(u'-', 1);
}

QDateTime beganOf(const QString& name)
{
    QDateTime began = QDateTime::fromString(name.section(u'-', 1, 3), timeFormat);
    began.setTimeSpec(Qt::UTC);
    return began.toLocalTime();
}

// The record files' names, newest first.
QStringList recordFiles(const QString& folder, const QString& prefix = {})
{
    QStringList patterns;
    for (const QString& start :
         prefix.isEmpty() ? QStringList{batchPrefix, undoPrefix} : QStringList{prefix})
        patterns.append(start + u'*' + recordSuffix);
    QStringList files = QDir(folder).entryList(patterns, QDir::Files);
    std::sort(files.begin(), files.end(),
              [](const QString& a, const QString& b) { return orderOf(a) > orderOf(b); });
    return files;
}

bool heldByAnother(const QString& path)
{
    QLockFile lock(path + u".lock"_s);
    return !lock.tryLock(0);
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
    for (const QString& file : recordFiles(m_folder, batchPrefix)) {
        if (!file.endsWith(retiredSuffix) && own(m_folder + u'/' + file))
            return;
    }
}

QString QtJournal::pathOf(const QString& name) const
{
    const QString open = m_folder + u'/' + name + recordSuffix;
    return QFile::exists(open) ? open : m_folder + u'/' + name + retiredSuffix;
}

void QtJournal::removeOldRecords()
{
    const QDateTime oldest = QDateTime::currentDateTime().addDays(-m_keptDays);
    const QStringList files = recordFiles(m_folder);
    for (qsizetype i = 0; i < files.size(); ++i) {
        // Room for the record about to begin.
        if (i < m_keptCount - 1 && beganOf(files[i]) >= oldest)
            continue;
        // Unless a window holds it.
        QLockFile lock(m_folder + u'/' + files[i] + u".lock"_s);
        if (lock.tryLock(0))
            QFile::remove(m_folder + u'/' + files[i]);
    }
}

bool QtJournal::begin(const QStringList& lines, bool offeredAfterRestart)
{
    if (!QDir().mkpath(m_folder))
        return false;
    static std::atomic<int> sequence{0};
    const QString name = (offeredAfterRestart ? batchPrefix : undoPrefix) +
                         QDateTime::currentDateTimeUtc().toString(timeFormat) + u'-' +
                         QString::number(QCoreApplication::applicationPid()) + u'-' +
                         QString::number(++sequence % 10000).rightJustified(4, u'0');
    m_lock.reset(); // the last batch's record is free for others now
    m_path.clear();
    // The new record counts among those kept.
    removeOldRecords();
    if (!own(m_folder + u'/' + name + recordSuffix) || !rewrite(lines))
        return false;
    m_file.setFileName(m_path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

bool QtJournal::append(const QByteArray& bytes)
{
    // Unbuffered: the lines are with the system when write() returns, and on the disk after
    // the sync, before the renames they announce.
    return m_file.isOpen() && m_file.write(bytes) == bytes.size() && SyncToDisk(m_file);
}

std::optional<QStringList> QtJournal::read()
{
    if (m_path.isEmpty())
        takeNewestFreeRecord();
    if (m_path.isEmpty())
        return std::nullopt;
    return readRecord(recordName());
}

bool QtJournal::rewrite(const QByteArray& bytes)
{
    // Windows replaces no file that is open, and a rewrite ends the record's appending anyway.
    m_file.close();
    if (m_path.isEmpty())
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
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
    if (!m_path.endsWith(retiredSuffix))
        QFile::rename(m_path, m_path.chopped(recordSuffix.size()) + retiredSuffix);
    m_lock.reset();
    m_path.clear();
}

QString QtJournal::recordName() const
{
    return m_path.isEmpty() ? QString() : nameOfFile(m_path.section(u'/', -1));
}

QList<Journal::Record> QtJournal::history()
{
    QList<Record> records;
    for (const QString& file : recordFiles(m_folder)) {
        const QString path = m_folder + u'/' + file;
        const QString name = nameOfFile(file);
        records.append(Record{name, beganOf(name), path != m_path && heldByAnother(path)});
    }
    return records;
}

std::optional<QStringList> QtJournal::readRecord(const QString& name)
{
    QFile file(pathOf(name));
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Line by line: the whole record as one text beside its lines took 150 MB more at a
    // million entries.
    const QByteArray bytes = file.readAll();
    QStringList lines;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        lines.append(QString::fromUtf8(QByteArrayView(bytes).sliced(start, end - start)));
        start = end + 1;
    }
    return lines;
}

std::unique_ptr<Journal> QtJournal::open(const QString& name)
{
    auto journal = std::make_unique<QtJournal>(m_folder);
    journal->keep(m_keptCount, m_keptDays);
    if (!name.isEmpty() && !journal->own(pathOf(name)))
        return nullptr;
    return journal;
}

void QtJournal::keep(int count, int days)
{
    m_keptCount = std::max(1, count);
    m_keptDays = std::max(1, days);
}
