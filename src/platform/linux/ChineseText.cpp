#include "platform/ChineseText.h"

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
