#include "RenameRecord.h"

#include "common/NameBytes.h"

#include <QHash>
#include <QStringBuilder>

using namespace Qt::StringLiterals;

namespace {

using State = RecordEntry::State;

const QList<std::pair<State, QString>>& stateWords()
{
    static const QList<std::pair<State, QString>> words = {{State::Pending, u"准备修改"_s},
                                                           {State::Renamed, u"修改成功"_s},
                                                           {State::Failed, u"修改出错"_s},
                                                           {State::Undone, u"已撤销"_s},
                                                           {State::UndoFailed, u"撤销出错"_s}};
    return words;
}

QString idText(FileId id)
{
    return QString::number(id.volume) % u':' % QString::number(id.object) % u':' %
           QString::number(id.birth);
}

// "volume:object", or "volume:object:birth".
std::optional<FileId> idFromText(QStringView text)
{
    const QList<QStringView> parts = text.split(u':');
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

// A path as one field: "%", TAB and line ends, which a name on Linux may hold, are written as
// %25, %09, %0A and %0D, and a byte of a name that is not UTF-8 as %80 to %FF; everything else
// stays as a person reads it.
QString escaped(const QString& path)
{
    const auto code = [&](qsizetype i) -> int {
        const QChar c = path[i];
        if (c == u'%' || c == u'\t' || c == u'\n' || c == u'\r')
            return c.unicode();
        return EscapedByteAt(path, i);
    };
    qsizetype i = 0;
    while (i < path.size() && code(i) < 0)
        ++i;
    if (i == path.size())
        return path;
    QString text = path.first(i);
    for (; i < path.size(); ++i) {
        if (const int c = code(i); c >= 0)
            text += u'%' + QString::number(c, 16).rightJustified(2, u'0').toUpper();
        else
            text += path[i];
    }
    return text;
}

QString unescaped(const QString& field)
{
    if (!field.contains(u'%'))
        return field;
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

} // namespace

namespace RenameRecord {

QString header()
{
    return u"Morvel文件夹名称批量修改 修改记录 2"_s;
}

QString line(const RecordEntry& entry)
{
    const QString* word = &stateWords().first().second;
    for (const auto& [state, text] : stateWords()) {
        if (state == entry.state)
            word = &text;
    }
    return *word % u'\t' % escaped(entry.oldPath) % u'\t' % escaped(entry.newPath) % u'\t' %
           idText(entry.parentId) % u'\t' % idText(entry.id);
}

std::optional<std::vector<RecordEntry>> read(const QStringList& lines, int* unreadable)
{
    const bool firstVersion = !lines.isEmpty() && lines.first() == firstVersionHeader;
    if (lines.isEmpty() || (lines.first() != header() && !firstVersion))
        return std::nullopt;
    std::vector<RecordEntry> entries;
    QHash<QString, size_t> entryOf; // by everything but the state
    int badLines = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringList fields = lines[i].split(u'\t');
        // A line that cannot be read loses itself, not the record (a torn last line too).
        const auto skip = [&] {
            badLines += i + 1 < lines.size() || fields.size() == 5;
        };
        if (fields.size() != 5) {
            skip();
            continue;
        }
        if (!firstVersion) {
            fields[1] = unescaped(fields[1]);
            fields[2] = unescaped(fields[2]);
        }
        std::optional<State> state;
        for (const auto& [candidate, text] : stateWords()) {
            if (text == fields[0])
                state = candidate;
        }
        const auto parentId = idFromText(fields[3]);
        const auto id = idFromText(fields[4]);
        if (!state || !parentId || !id || fields[1].isEmpty() || fields[2].isEmpty()) {
            skip();
            continue;
        }
        const QString identity = fields.mid(1).join(u'\t');
        const auto known = entryOf.constFind(identity);
        if (known != entryOf.cend()) {
            entries[*known].state = *state;
            continue;
        }
        entryOf.insert(identity, entries.size());
        entries.push_back(RecordEntry{*state, fields[1], fields[2], *parentId, *id});
    }
    if (unreadable)
        *unreadable = badLines;
    return entries;
}

QStringList lines(const std::vector<RecordEntry>& entries)
{
    QStringList result{header()};
    for (const RecordEntry& entry : entries)
        result.append(line(entry));
    return result;
}

} // namespace RenameRecord
