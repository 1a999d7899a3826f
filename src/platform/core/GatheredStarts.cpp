#include "GatheredStarts.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

const QString handedPrefix = u"handed-"_s;

// Under the folder's lock, so that the gatherer reads each hand-over whole.
bool handOver(const QString& folder, const QStringList& folders)
{
    QFile file(folder + u'/' + handedPrefix + QString::number(QCoreApplication::applicationPid()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QDataStream stream(&file);
    stream << folders; // exact: any name, line breaks included
    file.close();
    if (stream.status() == QDataStream::Ok && file.error() == QFile::NoError)
        return true;
    file.remove();
    return false;
}

// QLockFile's own waiting doubles its pauses, up to seconds: twenty starts at once would keep
// each other waiting longer than the gatherer waits for them.
bool lockSoon(QLockFile& lock)
{
    const QDeadlineTimer giveUp(5000);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || giveUp.hasExpired())
            return false;
        QThread::msleep(2);
    }
    return true;
}

QStringList takeHandedOver(const QString& folder)
{
    QStringList taken;
    QDir dir(folder);
    for (const QString& name : dir.entryList({handedPrefix + u'*'}, QDir::Files, QDir::NoSort)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly)) {
            QDataStream stream(&file);
            QStringList folders;
            stream >> folders;
            if (stream.status() == QDataStream::Ok)
                taken += folders;
        }
        file.remove();
    }
    return taken;
}

} // namespace

GatheredStarts::GatheredStarts(QString folder, std::chrono::milliseconds quiet)
    : m_folder(std::move(folder)), m_quiet(quiet)
{}

std::optional<QStringList> GatheredStarts::gather(const QStringList& folders)
{
    if (!QDir().mkpath(m_folder))
        return folders;
    QLockFile folderLock(m_folder + u"/folder.lock"_s);
    if (!lockSoon(folderLock))
        return folders;
    // Held while this start gathers; a gatherer that died leaves it stale by its process.
    QLockFile gathering(m_folder + u"/gathering.lock"_s);
    gathering.setStaleLockTime(0);
    if (!gathering.tryLock(0)) {
        if (gathering.error() == QLockFile::LockFailedError && handOver(m_folder, folders))
            return std::nullopt;
        return folders;
    }
    takeHandedOver(m_folder); // from a gatherer that died: their starts saw no window
    folderLock.unlock();

    // However slowly the starts trickle in, the window comes within twenty quiet times.
    QDeadlineTimer giveUp(20 * m_quiet);
    QDeadlineTimer quietUntil(m_quiet);
    QStringList all = folders;
    for (;;) {
        QThread::msleep(25);
        const bool closing = quietUntil.hasExpired() || giveUp.hasExpired();
        if (!lockSoon(folderLock))
            break; // a folder this busy is not the user's: gather no more
        const QStringList handed = takeHandedOver(m_folder);
        all += handed;
        if (!handed.isEmpty())
            quietUntil.setRemainingTime(m_quiet);
        if (closing) {
            gathering.unlock(); // before the folder's lock: a later start gathers anew
            break;
        }
        folderLock.unlock();
    }
    return all;
}
