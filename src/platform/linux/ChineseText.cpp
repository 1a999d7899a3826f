#include "platform/ChineseText.h"

#include <QStringDecoder>
#include <QStringEncoder>

// OpenCC looks for a bare name among the dictionaries its package installed.
QByteArray ChineseConversionConfig(const char* name)
{
    return QByteArray(name) + ".json";
}

// Debian's rime-data-terra-pinyin, which the package depends on.
QString PinyinDictionaryPath()
{
    return QStringLiteral("/usr/share/rime-data/terra_pinyin.dict.yaml");
}

QByteArray GbkBytes(QStringView character)
{
    QStringEncoder toGbk("GB18030", QStringEncoder::Flag::Stateless);
    if (!toGbk.isValid())
        return {};
    QByteArray bytes = toGbk.encode(character);
    return toGbk.hasError() ? QByteArray() : bytes;
}

std::optional<QString> DecodedText(const QByteArray& bytes, TextEncoding encoding)
{
    const char* const names[] = {"UTF-8", "GB18030", "Big5"};
    QStringDecoder decoder(names[int(encoding)], QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
