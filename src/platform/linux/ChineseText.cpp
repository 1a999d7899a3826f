#include "platform/ChineseText.h"

#include <QStringDecoder>
#include <QStringEncoder>

// OpenCC looks for a bare name among the dictionaries its package installed.
QByteArray ChineseConversionConfig(const char* name)
{
    return QByteArray(name) + ".json";
}

QByteArray GbkBytes(QStringView character)
{
    QStringEncoder toGbk("GB18030", QStringEncoder::Flag::Stateless);
    if (!toGbk.isValid())
        return {};
    QByteArray bytes = toGbk.encode(character);
    return toGbk.hasError() ? QByteArray() : bytes;
}

std::optional<QString> TextFromGb18030(const QByteArray& bytes)
{
    QStringDecoder fromGb18030("GB18030", QStringDecoder::Flag::Stateless);
    if (!fromGb18030.isValid())
        return std::nullopt;
    QString text = fromGb18030.decode(bytes);
    if (fromGb18030.hasError())
        return std::nullopt;
    return text;
}
