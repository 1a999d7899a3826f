#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A name on Linux is bytes and need not be UTF-8 (names from old archives and Windows disks are
// often GBK). The program carries such a name as text: each byte that is not part of valid
// UTF-8 becomes a lone low surrogate, U+DC80 to U+DCFF, which no decoded text holds, so that
// writing the text back gives the exact bytes. Text added to such a name stays UTF-8.

// The byte that the unit at i stands for, or -1 when it is text.
inline int EscapedByteAt(QStringView text, qsizetype i)
{
    const char16_t unit = text[i].unicode();
    if (unit < 0xDC80 || unit > 0xDCFF || (i > 0 && text[i - 1].isHighSurrogate()))
        return -1;
    return unit - 0xDC00;
}

// False when no unit of the text can stand for a byte.
inline bool MayHoldEscapedBytes(QStringView text)
{
    bool found = false;
    for (const QChar c : text)
        found |= c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
    return found;
}

QString NameFromBytes(QByteArrayView bytes);
QByteArray BytesFromName(QStringView name);

// The name as a person can read it: each byte that is not text shown as \xFF.
QString VisibleName(const QString& name);

// What the name holds that cannot be seen where it is shown ("名称末尾有 1 个空格"): spaces at
// either end, characters that take no room (U+200B) or turn the text around; empty for none.
QString UnseenCharactersNote(QStringView name);
