#include "NameBytes.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(NameBytes)
};

constexpr char16_t firstEscape = 0xDC00;

// The length of the valid UTF-8 sequence at the start of bytes, or 0.
qsizetype validSequenceAt(QByteArrayView bytes)
{
    const auto byte = [&](qsizetype i) {
        return uchar(bytes[i]);
    };
    const uchar lead = byte(0);
    qsizetype length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        least = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // No overlong forms, no surrogates, nothing beyond Unicode.
    if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

QString NameFromBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString name;
    name.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (uchar(bytes[i]) < 0x80) {
            name += QLatin1Char(bytes[i++]);
            continue;
        }
        if (const qsizetype length = validSequenceAt(bytes.sliced(i))) {
            name += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
        } else {
            name += QChar(char16_t(firstEscape + uchar(bytes[i++])));
        }
    }
    return name;
}

QByteArray BytesFromName(QStringView name)
{
    // Nearly every name is text: one plain pass tells.
    if (!MayHoldEscapedBytes(name))
        return name.toUtf8();
    qsizetype firstEscaped = 0;
    while (firstEscaped < name.size() && EscapedByteAt(name, firstEscaped) < 0)
        ++firstEscaped;
    if (firstEscaped == name.size())
        return name.toUtf8();
    QByteArray bytes = name.first(firstEscaped).toUtf8();
    qsizetype textStart = firstEscaped;
    for (qsizetype i = firstEscaped; i < name.size(); ++i) {
        const int escaped = EscapedByteAt(name, i);
        if (escaped < 0)
            continue;
        bytes += name.sliced(textStart, i - textStart).toUtf8();
        bytes += char(escaped);
        textStart = i + 1;
    }
    bytes += name.sliced(textStart).toUtf8();
    return bytes;
}

namespace {

// "2 个空格", "1 个全角空格", or of both kinds "3 个空白字符".
QString SpacesInWords(QStringView spaces)
{
    const auto all = [spaces](char16_t c) {
        return std::all_of(spaces.begin(), spaces.end(), [c](QChar s) { return s == c; });
    };
    const int count = int(spaces.size());
    return all(u' ')        ? Texts::tr(" %n 个空格", nullptr, count)
           : all(u'\u3000') ? Texts::tr(" %n 个全角空格", nullptr, count)
                            : Texts::tr(" %n 个空白字符", nullptr, count);
}

} // namespace

QString UnseenCharactersNote(QStringView name)
{
    QStringList notes;
    qsizetype start = 0;
    while (start < name.size() && name[start].isSpace())
        ++start;
    if (start == name.size())
        return start == 0 ? QString() : Texts::tr("名称只有") + SpacesInWords(name);
    qsizetype end = name.size();
    while (name[end - 1].isSpace())
        --end;
    if (start > 0)
        notes << Texts::tr("名称开头有") + SpacesInWords(name.first(start));
    if (end < name.size())
        notes << Texts::tr("名称末尾有") + SpacesInWords(name.sliced(end));
    QStringList unseen;
    qsizetype unseenCount = 0;
    for (const QChar c : name) {
        if (c.category() != QChar::Other_Format && c.category() != QChar::Other_Control)
            continue;
        ++unseenCount;
        const QString code =
            QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        if (!unseen.contains(code))
            unseen << code;
    }
    if (unseenCount > 0)
        notes << Texts::tr("名称中有 %1 个看不见的字符（%2）")
                     .arg(unseenCount)
                     .arg(unseen.join(u'、'));
    return notes.join(u'；');
}

QString VisibleName(const QString& name)
{
    qsizetype i = 0;
    while (i < name.size() && EscapedByteAt(name, i) < 0)
        ++i;
    if (i == name.size())
        return name;
    QString visible = name.first(i);
    for (; i < name.size(); ++i) {
        if (const int escaped = EscapedByteAt(name, i); escaped >= 0)
            visible += QStringLiteral("\\x") + QString::number(escaped, 16).toUpper();
        else
            visible += name[i];
    }
    return visible;
}
