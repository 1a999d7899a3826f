#pragma once

#include "platform/ChineseText.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

// Comma-separated values as spreadsheets write and read them (RFC 4180): a field with a comma,
// a quote or a line break in quotes, a quote in it doubled, lines ended by CR LF.

// The file: UTF-8 with a byte-order mark, so that Excel opens it as Chinese.
QByteArray CsvFile(const QList<QStringList>& rows);

struct CsvRows
{
    QList<QStringList> rows;
    TextEncoding encoding; // the one the file was read in
};

// The file's rows, in the encoding given (a byte-order mark left out), or else in UTF-8, or
// GB18030 where the bytes are not UTF-8, as Chinese Excel saves; none where a quote is left
// open or the bytes are not such text.
std::optional<CsvRows> ReadCsv(const QByteArray& bytes,
                               std::optional<TextEncoding> encoding = std::nullopt);
