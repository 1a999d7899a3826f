#include "QtRecordFiles.h"

#include "platform/FileSync.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {

class QtLock : public RecordFiles::Lock
{
public:
    // Never stale by its age: a window may hold its record for days, and a lock from another
    // computer is the user's to take over.
    explicit QtLock(const QString& path) : m_lock(path) { m_lock.setStaleLockTime(0); }
    bool take() { return m_lock.tryLock(0); }
    // Removes nothing that a running program still holds (it keeps the file locked or open).
    bool takeOver() { return m_lock.removeStaleLockFile() && take(); }

private:
    QLockFile m_lock;
};

class QtAppender : public RecordFiles::Appender
{
public:
    explicit QtAppender(const QString& path) : m_file(path) {}
    bool open()
    {
        return m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
    }

    // Unbuffered: the lines are with the system when write() returns, and on the disk after
    // the sync, before the renames they announce.
    bool append(const QByteArray& text) override
    {
        return m_file.write(text) == text.size() && SyncToDisk(m_file);
    }

private:
    QFile m_file;
};

// Only a plain file of the folder's own is a record: a link would have the record read from,
// or written to, a file elsewhere.
bool IsPlainFileOrNone(const QString& path)
{
    const QFileInfo info(path);
    return !info.isSymbolicLink() && (info.isFile() || !info.exists());
}

} // namespace

QtRecordFiles::QtRecordFiles(QString folder) : m_folder(std::move(folder)) {}

QString QtRecordFiles::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u"/records"_s;
}

QStringList QtRecordFiles::list(const QString& suffix)
{
    return QDir(m_folder).entryList({u'*' + suffix}, QDir::Files);
}

std::unique_ptr<RecordFiles::Lock> QtRecordFiles::lock(const QString& file)
{
    auto lock = std::make_unique<QtLock>(pathOf(file) + u".lock"_s);
    if (lock->take())
        return lock;
    // The folder is made for the first record's lock, on a fresh account.
    if (QDir(m_folder).exists() || !QDir().mkpath(m_folder) || !lock->take())
        return nullptr; // another window's, or a running program's
    return lock;
}

namespace {

QString computerOfLock(const QLockFile& lock)
{
    qint64 pid = 0;
    QString computer;
    QString program;
    return lock.getLockInfo(&pid, &computer, &program) ? computer : QString();
}

// This computer's name as a lock gives it, which is not always QSysInfo's (on Windows one is
// the NetBIOS name, the other the host name).
const QString& thisComputer()
{
    static const QString name = [] {
        QLockFile own(QDir::tempPath() +
                      u"/folder-batch-rename-%1.lock"_s.arg(QCoreApplication::applicationPid()));
        return own.tryLock(0) ? computerOfLock(own) : QSysInfo::machineHostName();
    }();
    return name;
}

} // namespace

QString QtRecordFiles::lockedOnComputer(const QString& file)
{
    const QString computer = computerOfLock(QLockFile(pathOf(file) + u".lock"_s));
    return computer == thisComputer() ? QString() : computer;
}

std::unique_ptr<RecordFiles::Lock> QtRecordFiles::takeOver(const QString& file)
{
    auto lock = std::make_unique<QtLock>(pathOf(file) + u".lock"_s);
    if (!lock->takeOver())
        return nullptr;
    return lock;
}

std::unique_ptr<RecordFiles::Appender> QtRecordFiles::create(const QString& file,
                                                             const QByteArray& text)
{
    if (!replace(file, text))
        return nullptr;
    auto appender = std::make_unique<QtAppender>(pathOf(file));
    if (!appender->open())
        return nullptr;
    return appender;
}

bool QtRecordFiles::replace(const QString& file, const QByteArray& text)
{
    if (!IsPlainFileOrNone(pathOf(file)))
        return false;
    QSaveFile saved(pathOf(file));
    if (!saved.open(QIODevice::WriteOnly))
        return false;
    // Every step checked: commit() alone may report success after a write that failed.
    if (saved.write(text) != text.size() || !saved.flush() || !SyncToDisk(saved)) {
        saved.cancelWriting();
        saved.commit();
        return false;
    }
    return saved.commit();
}

std::optional<QByteArray> QtRecordFiles::read(const QString& file)
{
    if (!IsPlainFileOrNone(pathOf(file)))
        return std::nullopt;
    QFile opened(pathOf(file));
    if (!opened.open(QIODevice::ReadOnly))
        return std::nullopt;
    return opened.readAll();
}

bool QtRecordFiles::rename(const QString& file, const QString& newName)
{
    return QFile::rename(pathOf(file), pathOf(newName));
}

void QtRecordFiles::remove(const QString& file)
{
    QFile::remove(pathOf(file));
}
