#include "EncodingRepairStep.h"

#include "common/NameBytes.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

std::optional<QString> EncodingRepairStep::apply(const QString& name, const NameContext&) const
{
    if (!MayHoldEscapedBytes(name))
        return name; // read as UTF-8 already
    const QByteArray bytes = BytesFromName(name);
    QStringDecoder fromGb18030("GB18030", QStringDecoder::Flag::Stateless);
    if (!fromGb18030.isValid())
        return name;
    QString text = fromGb18030.decode(bytes);
    if (fromGb18030.hasError())
        return name;
    return text;
}

QString EncodingRepairStep::inWords() const
{
    return u"GBK 编码的名称转为 UTF-8"_s;
}
