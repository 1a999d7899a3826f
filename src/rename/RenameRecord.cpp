#include "RenameRecord.h"

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
    return QString::number(id.volume) % u':' % QString::number(id.object);
}

std::optional<FileId> idFromText(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    bool volumeOk = false;
    bool objectOk = false;
    const FileId id{text.left(colon).toULongLong(&volumeOk),
                    text.mid(colon + 1).toULongLong(&objectOk)};
    if (colon < 0 || !volumeOk || !objectOk)
        return std::nullopt;
    return id;
}

} // namespace

namespace RenameRecord {

QString header()
{
    return u"Morvel文件夹名称批量修改 修改记录 1"_s;
}

QString line(const RecordEntry& entry)
{
    const QString* word = &stateWords().first().second;
    for (const auto& [state, text] : stateWords()) {
        if (state == entry.state)
            word = &text;
    }
    return *word % u'\t' % entry.oldPath % u'\t' % entry.newPath % u'\t' % idText(entry.parentId) %
           u'\t' % idText(entry.id);
}

std::optional<std::vector<RecordEntry>> read(const QStringList& lines)
{
    if (lines.isEmpty() || lines.first() != header())
        return std::nullopt;
    std::vector<RecordEntry> entries;
    QHash<QString, size_t> entryOf; // by everything but the state
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u'\t');
        if (fields.size() != 5)
            return std::nullopt;
        std::optional<State> state;
        for (const auto& [candidate, text] : stateWords()) {
            if (text == fields[0])
                state = candidate;
        }
        const auto parentId = idFromText(fields[3]);
        const auto id = idFromText(fields[4]);
        if (!state || !parentId || !id || fields[1].isEmpty() || fields[2].isEmpty())
            return std::nullopt;
        const QString identity = fields.mid(1).join(u'\t');
        const auto known = entryOf.constFind(identity);
        if (known != entryOf.cend()) {
            entries[*known].state = *state;
            continue;
        }
        entryOf.insert(identity, entries.size());
        entries.push_back(RecordEntry{*state, fields[1], fields[2], *parentId, *id});
    }
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
