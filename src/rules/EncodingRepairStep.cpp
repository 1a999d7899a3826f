#include "EncodingRepairStep.h"

#include "common/NameBytes.h"

#include "platform/ChineseText.h"

using namespace Qt::StringLiterals;

std::optional<QString> EncodingRepairStep::apply(const QString& name, const NameContext&) const
{
    if (!MayHoldEscapedBytes(name))
        return name; // read as UTF-8 already
    return DecodedText(BytesFromName(name), TextEncoding::Gb18030).value_or(name);
}

QString EncodingRepairStep::inWords() const
{
    return u"GBK 编码的名称转为 UTF-8"_s;
}
