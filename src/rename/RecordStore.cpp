#include "RecordStore.h"

#include <QCoreApplication>
#include <QThread>

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

} // namespace

HeldRecord::HeldRecord(RecordFiles& files, QString file, std::unique_ptr<RecordFiles::Lock> lock,
                       std::unique_ptr<RecordFiles::Appender> appender)
    : m_files(files), m_file(std::move(file)), m_name(nameOfFile(m_file)), m_lock(std::move(lock)),
      m_appender(std::move(appender))
{}

bool HeldRecord::append(const QByteArray& text)
{
    return m_appender && m_appender->append(text);
}

bool HeldRecord::replace(const QByteArray& text)
{
    m_appender.reset(); // Windows replaces no file that is open
    return m_files.replace(m_file, text);
}

std::optional<BatchRecordContent> HeldRecord::read()
{
    const std::optional<QByteArray> text = m_files.read(m_file);
    return text ? RenameRecord::read(*text) : std::nullopt;
}

void HeldRecord::retire()
{
    m_appender.reset();
    if (m_file.endsWith(retiredSuffix))
        return;
    const QString retired = m_name + retiredSuffix;
    if (m_files.rename(m_file, retired))
        m_file = retired;
}

QDateTime RecordStore::beganOf(const QString& name)
{
    QDateTime began = QDateTime::fromString(name.section(u'-', 1, 3), timeFormat);
    began.setTimeSpec(Qt::UTC);
    return began.toLocalTime();
}

RecordStore::RecordStore(RecordFiles& files, QObject* parent) : QObject(parent), m_files(files) {}

RecordStore::~RecordStore() = default;

void RecordStore::keep(int count, int days)
{
    m_keptCount = std::max(1, count);
    m_keptDays = std::max(1, days);
}

// The record files' names, newest first.
QStringList RecordStore::recordFiles(const QString& prefix)
{
    QStringList files = m_files.list(recordSuffix);
    files.removeIf([&](const QString& file) {
        return prefix.isEmpty() ? !file.startsWith(batchPrefix) && !file.startsWith(undoPrefix)
                                : !file.startsWith(prefix);
    });
    std::sort(files.begin(), files.end(),
              [](const QString& a, const QString& b) { return orderOf(a) > orderOf(b); });
    return files;
}

QString RecordStore::fileOf(const QString& name)
{
    const QString open = name + recordSuffix;
    return m_files.list(recordSuffix).contains(open) ? open : name + retiredSuffix;
}

QList<RecordStore::Record> RecordStore::history()
{
    QList<Record> records;
    for (const QString& file : recordFiles()) {
        const QString name = nameOfFile(file);
        const bool mine = m_owned && m_owned->name() == name;
        const bool heldElsewhere = !mine && !m_files.lock(file);
        records.append(Record{name, beganOf(name), heldElsewhere,
                              heldElsewhere ? m_files.lockedOnComputer(file) : QString()});
    }
    return records;
}

std::optional<BatchRecordContent> RecordStore::read(const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    // Tried rather than looked up: read on a pass's worker, where listing the folder keeps the
    // program from ending under wine.
    std::optional<QByteArray> text = m_files.read(name + recordSuffix);
    if (!text)
        text = m_files.read(name + retiredSuffix);
    return text ? RenameRecord::read(*text) : std::nullopt;
}

void RecordStore::removeOldRecords()
{
    const QDateTime oldest = QDateTime::currentDateTime().addDays(-m_keptDays);
    const QStringList files = recordFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        // Room for the record about to begin.
        if (i < m_keptCount - 1 && beganOf(files[i]) >= oldest)
            continue;
        // Unless a window holds it.
        if (const auto lock = m_files.lock(files[i]))
            m_files.remove(files[i]);
    }
}

std::unique_ptr<HeldRecord> RecordStore::begin(const QByteArray& beginning, bool isUndo)
{
    static std::atomic<int> sequence{0};
    const QString file = (isUndo ? undoPrefix : batchPrefix) +
                         QDateTime::currentDateTimeUtc().toString(timeFormat) + u'-' +
                         QString::number(QCoreApplication::applicationPid()) + u'-' +
                         QString::number(++sequence % 10000).rightJustified(4, u'0') + recordSuffix;
    // The new record counts among those kept.
    removeOldRecords();
    std::unique_ptr<RecordFiles::Lock> lock = m_files.lock(file);
    if (!lock)
        return nullptr;
    std::unique_ptr<RecordFiles::Appender> appender = m_files.create(file, beginning);
    if (!appender)
        return nullptr;
    return std::make_unique<HeldRecord>(m_files, file, std::move(lock), std::move(appender));
}

std::unique_ptr<HeldRecord> RecordStore::heldWith(const QString& file,
                                                  std::unique_ptr<RecordFiles::Lock> lock)
{
    return lock ? std::make_unique<HeldRecord>(m_files, file, std::move(lock)) : nullptr;
}

std::unique_ptr<HeldRecord> RecordStore::hold(const QString& name)
{
    const QString file = fileOf(name);
    return heldWith(file, m_files.lock(file));
}

std::unique_ptr<HeldRecord> RecordStore::takeOver(const QString& name)
{
    const QString file = fileOf(name);
    return heldWith(file, m_files.takeOver(file));
}

HeldRecord* RecordStore::owned()
{
    if (!m_owned) {
        for (const QString& file : recordFiles(batchPrefix)) {
            if (file.endsWith(retiredSuffix))
                continue;
            if (std::unique_ptr<RecordFiles::Lock> lock = m_files.lock(file)) {
                m_owned = std::make_unique<HeldRecord>(m_files, file, std::move(lock));
                break;
            }
        }
    }
    return m_owned.get();
}

QString RecordStore::ownedName() const
{
    return m_owned ? m_owned->name() : QString();
}

void RecordStore::adopt(std::unique_ptr<HeldRecord> record, bool undoable)
{
    m_lastCutOff = false;
    m_owned = std::move(record);
    if (m_owned)
        settle(*m_owned, undoable);
    else
        setUndoable(false);
}

void RecordStore::settle(HeldRecord& record, bool undoable)
{
    const bool mine = &record == m_owned.get();
    if (!undoable) {
        record.retire();
        if (mine)
            m_owned.reset(); // never offered again
    }
    if (mine)
        setUndoable(undoable);
}

bool RecordStore::save(HeldRecord& record, const BatchRecordContent& content)
{
    const bool saved = record.replace(RenameRecord::wholeText(content));
    settle(record, content.anyToUndo());
    return saved;
}

void RecordStore::refresh()
{
    HeldRecord* record = owned();
    const std::optional<BatchRecordContent> content = record ? record->read() : std::nullopt;
    m_lastCutOff = content && !content->ended;
    if (record)
        settle(*record, content && content->anyToUndo());
    else
        setUndoable(false);
}

void RecordStore::setUndoable(bool undoable)
{
    m_undoable = undoable;
    // Said on the windows' thread, once the pass that settled it hands over.
    if (QThread::currentThread() == thread())
        announce();
    else
        QMetaObject::invokeMethod(this, &RecordStore::announce, Qt::QueuedConnection);
}

void RecordStore::announce()
{
    if (m_announced == m_undoable)
        return;
    m_announced = m_undoable;
    Q_EMIT undoableChanged(m_announced);
}
