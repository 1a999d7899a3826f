#include "Csv.h"

using namespace Qt::StringLiterals;

namespace {

QString Field(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u"\""_s, u"\"\""_s) + u'"';
}

std::optional<QString> TextOf(const QByteArray& bytes, TextEncoding encoding)
{
    const QByteArray bom("\xEF\xBB\xBF");
    if (encoding == TextEncoding::Utf8 && bytes.startsWith(bom))
        return DecodedText(bytes.mid(bom.size()), encoding);
    return DecodedText(bytes, encoding);
}

} // namespace

QByteArray CsvFile(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& field : row)
            fields.append(Field(field));
        text += fields.join(u',') + u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

std::optional<CsvRows> ReadCsv(const QByteArray& bytes, std::optional<TextEncoding> encoding)
{
    TextEncoding used = encoding.value_or(TextEncoding::Utf8);
    std::optional<QString> text = TextOf(bytes, used);
    if (!text && !encoding)
        text = TextOf(bytes, used = TextEncoding::Gb18030);
    if (!text)
        return std::nullopt;
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;  // inside quotes
    bool rowOpen = false; // something of the row read
    for (qsizetype i = 0; i < text->size(); ++i) {
        const QChar c = text->at(i);
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text->size() && text->at(i + 1) == u'"')
                field += text->at(++i);
            else
                quoted = false;
            continue;
        }
        if (c == u'"') {
            quoted = rowOpen = true;
        } else if (c == u',') {
            row.append(std::exchange(field, {}));
            rowOpen = true;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text->size() && text->at(i + 1) == u'\n')
                ++i;
            if (rowOpen || !field.isEmpty()) {
                row.append(std::exchange(field, {}));
                rows.append(std::exchange(row, {}));
            }
            rowOpen = false;
        } else {
            field += c;
            rowOpen = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (rowOpen || !field.isEmpty()) {
        row.append(field);
        rows.append(row);
    }
    return CsvRows{rows, used};
}
