#pragma once

#include <QByteArray>
#include <QStringView>

// What the system offers for Chinese text. Each platform's folder implements this header.

// Where OpenCC finds the named conversion (t2s, s2t) and its dictionaries, as the path that
// OpenCC opens.
QByteArray ChineseConversionConfig(const char* name);

// The character in the GBK code page, whose common characters stand in pinyin order; empty
// when the system cannot write it so.
QByteArray GbkBytes(QStringView character);
