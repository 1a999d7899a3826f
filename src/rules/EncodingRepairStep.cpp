#include "EncodingRepairStep.h"

#include <QCoreApplication>

#include "common/NameBytes.h"

#include "platform/ChineseText.h"

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(EncodingRepairStep)
};

} // namespace

std::optional<QString> EncodingRepairStep::apply(const QString& name, const NameContext&) const
{
    if (!MayHoldEscapedBytes(name))
        return name; // read as UTF-8 already
    return DecodedText(BytesFromName(name), TextEncoding::Gb18030).value_or(name);
}

QString EncodingRepairStep::inWords() const
{
    return Texts::tr("GBK 编码的名称转为 UTF-8");
}
