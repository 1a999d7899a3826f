#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// What the system offers for Chinese text. Each platform's folder implements this header.

// Where OpenCC finds the named conversion (t2s, s2t) and its dictionaries, as the path that
// OpenCC opens.
QByteArray ChineseConversionConfig(const char* name);

// The readings of Chinese characters and phrases in pinyin, a file in Rime's dictionary format
// (terra_pinyin.dict.yaml: traditional characters, tones as digits, weights).
QString PinyinDictionaryPath();

// The character in the GBK code page, whose common characters stand in pinyin order; empty
// when the system cannot write it so.
QByteArray GbkBytes(QStringView character);

// The encodings a Chinese user's text files come in: Unicode, the mainland's code page (GBK
// and its successor), and Taiwan's and Hong Kong's.
enum class TextEncoding { Utf8, Gb18030, Big5 };

// The text the bytes hold in that encoding, by the system's own conversion; empty where they
// are not such text.
std::optional<QString> DecodedText(const QByteArray& bytes, TextEncoding encoding);
