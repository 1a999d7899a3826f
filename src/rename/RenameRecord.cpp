#include "RenameRecord.h"

#include "common/NameBytes.h"
#include "platform/PathJoin.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringBuilder>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using State = RecordEntry::State;

// The record's own words, the same in every language; marked for the translations, in which the
// history shows them.
const std::pair<State, const char*> stateTexts[] = {
    {State::Pending, QT_TRANSLATE_NOOP("RenameRecord", "准备修改")},
    {State::Renamed, QT_TRANSLATE_NOOP("RenameRecord", "修改成功")},
    {State::Failed, QT_TRANSLATE_NOOP("RenameRecord", "修改出错")},
    {State::Undone, QT_TRANSLATE_NOOP("RenameRecord", "已撤销")},
    {State::UndoFailed, QT_TRANSLATE_NOOP("RenameRecord", "撤销出错")}};

const QList<std::pair<State, QString>>& stateWords()
{
    static const QList<std::pair<State, QString>> words = [] {
        QList<std::pair<State, QString>> all;
        for (const auto& [state, text] : stateTexts)
            all.append({state, QString::fromUtf8(text)});
        return all;
    }();
    return words;
}

// Appended to the line being written, so that a line costs one allocation, not one a field.
void appendId(QString& text, FileId id)
{
    char digits[3 * 21];
    char* end = digits;
    for (const quint64 part : {id.volume, id.object, id.birth}) {
        if (end != digits)
            *end++ = ':';
        end = std::to_chars(end, digits + sizeof digits, part).ptr;
    }
    text += QLatin1StringView(digits, end - digits);
}

// The parts of a line's text between separators, as views into it; no more than limit, so
// that a line with one part too many still tells itself apart.
template <qsizetype limit>
QVarLengthArray<QStringView, limit> partsOf(QStringView text, QChar separator)
{
    QVarLengthArray<QStringView, limit> parts;
    for (const QStringView part : text.tokenize(separator)) {
        parts.append(part);
        if (parts.size() == limit)
            break;
    }
    return parts;
}

// "volume:object", or "volume:object:birth".
std::optional<FileId> idFromText(QStringView text)
{
    const auto parts = partsOf<4>(text, u':');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    bool ok[3] = {false, false, true};
    const FileId id{parts[0].toULongLong(&ok[0]), parts[1].toULongLong(&ok[1]),
                    parts.size() == 3 ? parts[2].toULongLong(&ok[2]) : 0};
    if (!ok[0] || !ok[1] || !ok[2])
        return std::nullopt;
    return id;
}

const QString firstVersionHeader = u"Morvel文件夹名称批量修改 修改记录 1"_s;
const QString secondVersionHeader = u"Morvel文件夹名称批量修改 修改记录 2"_s;
const QString header = u"Morvel文件夹名称批量修改 修改记录 3"_s;
const QString ruleWord = u"规则"_s;
const QString undoOfWord = u"撤销记录"_s;
const QString parentWord = u"目录"_s;
const QString endWord = u"结束"_s;
const QString completedWord = u"已完成"_s;
const QString cancelledWord = u"已取消"_s;

// No entry's line is longer (a name is at most a few hundred bytes); a longer line is not
// read. A rule is kept up to its first characters: one of megabytes held the history's window
// for a minute.
constexpr qsizetype longestLine = 1 << 20;
constexpr qsizetype longestRule = 2000;

// An entry renames a folder of its parent, within it: both names are names, not paths.
bool staysInParent(const RecordEntry& entry)
{
    const auto plain = [](QStringView name) {
        return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
               !name.contains(PathSeparator);
    };
    return plain(entry.oldName) && plain(entry.newName);
}

std::optional<State> stateOf(QStringView word)
{
    for (const auto& [candidate, text] : stateWords()) {
        if (text == word)
            return candidate;
    }
    return std::nullopt;
}

// A path as one field: "%", TAB and line ends, which a name on Linux may hold, are written as
// %25, %09, %0A and %0D, and a byte of a name that is not UTF-8 as %80 to %FF; everything else
// stays as a person reads it.
void appendEscaped(QString& text, QStringView path)
{
    const auto code = [&](qsizetype i) -> int {
        const QChar c = path[i];
        if (c == u'%' || c == u'\t' || c == u'\n' || c == u'\r')
            return c.unicode();
        return EscapedByteAt(path, i);
    };
    const auto plain = [](QChar c) {
        return c != u'%' && c.unicode() >= 0x20 && (c.unicode() < 0xDC80 || c.unicode() > 0xDCFF);
    };
    if (std::all_of(path.begin(), path.end(), plain)) {
        text += path;
        return;
    }
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (const int c = code(i); c >= 0)
            text += u'%' + QString::number(c, 16).rightJustified(2, u'0').toUpper();
        else
            text += path[i];
    }
}

QString escaped(QStringView path)
{
    QString text;
    appendEscaped(text, path);
    return text;
}

QString unescaped(QStringView field)
{
    if (!field.contains(u'%'))
        return field.toString();
    QString path;
    for (qsizetype i = 0; i < field.size(); ++i) {
        bool isCode = false;
        const ushort code = field.mid(i + 1, 2).toUShort(&isCode, 16);
        if (field[i] == u'%' && isCode && i + 2 < field.size()) {
            path += QChar(code < 0x80 ? code : 0xDC00 + code);
            i += 2;
        } else {
            path += field[i];
        }
    }
    return path;
}

// Each line of the entries, in one buffer reused from line to line, and whether it is an
// entry's line (not a parent's). `parent` is the parent of the last line before them.
template <typename Emit>
void forEachLine(const std::vector<RecordEntry>& entries, QString& parent, Emit emit)
{
    QString line;
    for (const RecordEntry& entry : entries) {
        if (entry.parent != parent) {
            parent = entry.parent;
            line.clear();
            line += parentWord;
            line += u'\t';
            appendEscaped(line, parent);
            line += u'\t';
            appendId(line, entry.parentId);
            emit(QStringView(line), false);
        }
        line.clear();
        line += RenameRecord::stateWord(entry.state);
        line += u'\t';
        appendEscaped(line, entry.oldName);
        line += u'\t';
        appendEscaped(line, entry.newName);
        line += u'\t';
        appendId(line, entry.id);
        emit(QStringView(line), true);
    }
}

// The line as UTF-8 and its line feed, written straight into the record's text.
void appendUtf8Line(QByteArray& bytes, QStringView line)
{
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const qsizetype start = bytes.size();
    bytes.resize(start + encoder.requiredSpace(line.size()) + 1);
    char* end = encoder.appendToBuffer(bytes.data() + start, line);
    *end++ = '\n';
    bytes.resize(end - bytes.constData());
}

// Room for the entries' lines where the names are ASCII, and for the last line's encoding: the
// text grown line by line was copied again at each growth.
qsizetype roomForLines(const std::vector<RecordEntry>& entries)
{
    qsizetype room = 4096;
    for (const RecordEntry& entry : entries)
        room += entry.oldName.size() + entry.newName.size() + 64;
    return room;
}

} // namespace

bool BatchRecordContent::anyToUndo() const
{
    return std::any_of(entries.begin(), entries.end(), std::mem_fn(&RecordEntry::needsUndo));
}

namespace RenameRecord {

QString stateWord(RecordEntry::State state)
{
    for (const auto& [candidate, text] : stateWords()) {
        if (candidate == state)
            return text;
    }
    return stateWords().first().second;
}

QString shownStateWord(RecordEntry::State state)
{
    return QCoreApplication::translate("RenameRecord", stateWord(state).toUtf8().constData());
}

QStringList beginning(const QString& rule, const QString& undoOf)
{
    QStringList result{header, ruleWord % u'\t' % escaped(rule)};
    if (!undoOf.isEmpty())
        result.append(undoOfWord % u'\t' % escaped(undoOf));
    return result;
}

QStringList lines(const std::vector<RecordEntry>& entries, QString& parent)
{
    QStringList result;
    result.reserve(qsizetype(entries.size()) + 1);
    forEachLine(entries, parent, [&](QStringView line, bool) { result.append(line.toString()); });
    return result;
}

QString ending(bool cancelled)
{
    return endWord % u'\t' % (cancelled ? cancelledWord : completedWord);
}

QStringList whole(const BatchRecordContent& content)
{
    QStringList result = beginning(content.rule, content.undoOf);
    QString parent;
    result += lines(content.entries, parent);
    if (content.ended)
        result.append(ending(content.cancelled));
    return result;
}

std::optional<BatchRecordContent> read(const QByteArray& text)
{
    // Each line decoded in turn into one buffer and read from there: a string a line took most
    // of the reading's time, and 150 MB at a million entries.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QVarLengthArray<QChar, 1024> buffer;
    qsizetype start = 0;
    const auto nextLine = [&]() -> std::optional<QStringView> {
        if (start >= text.size())
            return std::nullopt;
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView line = QByteArrayView(text).sliced(start, end - start);
        start = end + 1;
        if (line.size() > longestLine) {
            // The rule's line is read cut (its field, further, to longestRule); any other is
            // not read at all: a cut entry could read as another.
            const QByteArray rulePrefix = (ruleWord + u'\t').toUtf8();
            line = line.startsWith(rulePrefix) ? line.first(longestLine) : QByteArrayView();
        }
        buffer.resize(decoder.requiredSpace(line.size()));
        const QChar* decodedEnd = decoder.appendToBuffer(buffer.data(), line);
        return QStringView(buffer.data(), decodedEnd - buffer.data());
    };
    const std::optional<QStringView> first = nextLine();
    if (!first)
        return std::nullopt;
    const bool firstVersion = *first == firstVersionHeader;
    const bool olderVersion = firstVersion || *first == secondVersionHeader;
    if (*first != header && !olderVersion)
        return std::nullopt;
    BatchRecordContent content;
    // The entries by everything but the state, compared field by field: a million entries'
    // keys made into strings took some 450 MB. Room for every line from the start, as each
    // growth of the set would hash every entry again.
    const auto hashOf = [&](size_t i) {
        const RecordEntry& e = content.entries[i];
        return qHashMulti(0, e.oldName, e.newName, e.id.volume, e.id.object, e.id.birth);
    };
    const auto same = [&](size_t i, size_t j) {
        const RecordEntry& a = content.entries[i];
        const RecordEntry& b = content.entries[j];
        return a.oldName == b.oldName && a.newName == b.newName && a.parent == b.parent &&
               a.id.volume == b.id.volume && a.id.object == b.id.object && a.id.birth == b.id.birth;
    };
    // Open addressing over the entries' positions: a node a line took some of the reading's
    // time.
    size_t lineCount = 1;
    for (const char *at = text.constData(), *end = at + text.size();
         (at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)))); ++at)
        ++lineCount;
    std::vector<int> known(std::bit_ceil(2 * lineCount), -1);
    content.entries.reserve(lineCount); // grown, the entries were copied into fresh memory
    // The earlier entry the same as entry i, or -1 after taking i in.
    const auto earlierOf = [&](size_t i) {
        const size_t mask = known.size() - 1;
        for (size_t slot = hashOf(i) & mask;; slot = (slot + 1) & mask) {
            if (known[slot] < 0) {
                known[slot] = int(i);
                return -1;
            }
            if (same(size_t(known[slot]), i))
                return known[slot];
        }
    };
    QString parent; // shared by the entries below it
    std::optional<FileId> parentId;
    while (const std::optional<QStringView> line = nextLine()) {
        // Views into the line: reading a field makes no string of its own.
        const auto fields = partsOf<6>(*line, u'\t');
        // A line that cannot be read loses itself, not the record (a torn last line too).
        const bool isLast = start >= text.size();
        const auto skip = [&] {
            content.unreadable += !isLast;
        };
        if (!olderVersion && fields.size() == 2) {
            if (fields[0] == ruleWord) {
                content.rule = fields[1].size() > longestRule
                                   ? unescaped(fields[1].first(longestRule)) + u"……"_s
                                   : unescaped(fields[1]);
            } else if (fields[0] == undoOfWord) {
                content.undoOf = unescaped(fields[1]);
            } else if (fields[0] == endWord &&
                       (fields[1] == completedWord || fields[1] == cancelledWord)) {
                content.ended = true;
                content.cancelled = fields[1] == cancelledWord;
            } else {
                skip();
            }
            continue;
        }
        if (!olderVersion && fields.size() == 3 && fields[0] == parentWord) {
            parent = unescaped(fields[1]);
            parentId = idFromText(fields[2]);
            if (!parentId)
                skip();
            continue;
        }
        RecordEntry entry;
        const std::optional<State> state = stateOf(fields.value(0, {}));
        if (olderVersion && fields.size() == 5) {
            const auto ids = std::pair{idFromText(fields[3]), idFromText(fields[4])};
            if (!state || !ids.first || !ids.second) {
                skip();
                continue;
            }
            // Whole paths, within one parent.
            const QString oldPath = firstVersion ? fields[1].toString() : unescaped(fields[1]);
            const QString newPath = firstVersion ? fields[2].toString() : unescaped(fields[2]);
            const auto [oldParent, oldName] = SplitPathView(oldPath);
            const auto [newParent, newName] = SplitPathView(newPath);
            if (oldParent.isNull() || oldParent != newParent) {
                skip();
                continue;
            }
            if (oldParent != parent)
                parent = oldParent.toString();
            entry = RecordEntry{*state,     parent,     oldName.toString(), newName.toString(),
                                *ids.first, *ids.second};
        } else if (!olderVersion && fields.size() == 4 && parentId) {
            const std::optional<FileId> id = idFromText(fields[3]);
            if (!state || !id) {
                skip();
                continue;
            }
            entry = RecordEntry{*state,    parent, unescaped(fields[1]), unescaped(fields[2]),
                                *parentId, *id};
        } else {
            skip();
            continue;
        }
        if (!staysInParent(entry)) {
            skip();
            continue;
        }
        content.entries.push_back(std::move(entry));
        if (const int earlier = earlierOf(content.entries.size() - 1); earlier >= 0) {
            content.entries[size_t(earlier)].state = content.entries.back().state;
            content.entries.pop_back();
        }
    }
    return content;
}

QByteArray utf8Text(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        appendUtf8Line(bytes, line);
    return bytes;
}

QByteArray wholeText(const BatchRecordContent& content)
{
    QByteArray text = utf8Text(beginning(content.rule, content.undoOf));
    text.reserve(text.size() + roomForLines(content.entries));
    QString parent;
    forEachLine(content.entries, parent,
                [&](QStringView line, bool) { appendUtf8Line(text, line); });
    if (content.ended)
        appendUtf8Line(text, ending(content.cancelled));
    return text;
}

Writer::Writer(const QString& rule, const QString& undoOf)
    : m_beginning(utf8Text(RenameRecord::beginning(rule, undoOf)))
{}

QByteArray Writer::ahead(const std::vector<RecordEntry>& entries)
{
    const qsizetype blockStart = m_written.size();
    if (const qsizetype needed = blockStart + roomForLines(entries); needed > m_written.capacity())
        m_written.reserve(std::max(needed, 2 * m_written.capacity()));
    forEachLine(entries, m_lastParent, [&](QStringView line, bool isEntry) {
        if (isEntry)
            m_entryLines.push_back(m_written.size());
        appendUtf8Line(m_written, line);
    });
    return m_written.sliced(blockStart);
}

QByteArray Writer::finished(const std::vector<State>& outcomes, bool cancelled) const
{
    const QByteArray pending = stateWord(State::Pending).toUtf8();
    QHash<State, QByteArray> words;
    for (const auto& [state, word] : stateWords())
        words.insert(state, word.toUtf8());
    QByteArray text = m_beginning;
    text.reserve(m_beginning.size() + m_written.size() + 64);
    qsizetype copied = 0;
    for (size_t k = 0; k < m_entryLines.size(); ++k) {
        const qsizetype line = m_entryLines[k];
        text.append(QByteArrayView(m_written).sliced(copied, line - copied)); // parents' lines
        const State outcome = k < outcomes.size() ? outcomes[k] : State::Pending;
        if (outcome == State::Pending) {
            copied = m_written.indexOf('\n', line) + 1;
            continue;
        }
        text += words.value(outcome);
        copied = line + pending.size();
    }
    text.append(QByteArrayView(m_written).sliced(copied));
    appendUtf8Line(text, ending(cancelled));
    return text;
}

void Writer::clear()
{
    QByteArray().swap(m_written);
    std::vector<qsizetype>().swap(m_entryLines);
    m_lastParent.clear();
}

} // namespace RenameRecord
