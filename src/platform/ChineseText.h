#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// What the system offers for Chinese text. Each platform's folder implements this header.

// Where OpenCC finds the named conversion (t2s, s2t) and its dictionaries, as the path that
// OpenCC opens.
QByteArray ChineseConversionConfig(const char* name);

// The character in the GBK code page, whose common characters stand in pinyin order; empty
// when the system cannot write it so.
QByteArray GbkBytes(QStringView character);

// Text saved in GB18030 (GBK), as Chinese spreadsheet programs save CSV; empty where the bytes
// are not such text.
std::optional<QString> TextFromGb18030(const QByteArray& bytes);
