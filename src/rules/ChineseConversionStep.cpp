#include "ChineseConversionStep.h"

#include <QCoreApplication>

#include "common/NameBytes.h"
#include "platform/ChineseText.h"

#include <opencc.h>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ChineseConversionStep)
};

// One converter per direction for the program's life: its dictionaries take a moment to
// load, and converting with it is safe from several threads at once.
class Converter
{
public:
    explicit Converter(const char* configuration)
        : m_handle(opencc_open(ChineseConversionConfig(configuration).constData()))
    {}
    ~Converter()
    {
        if (isOpen())
            opencc_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool isOpen() const { return m_handle != reinterpret_cast<opencc_t>(-1); }
    QString convert(const QString& text) const
    {
        const QByteArray utf8 = text.toUtf8();
        char* converted = opencc_convert_utf8(m_handle, utf8.constData(), size_t(utf8.size()));
        if (!converted)
            return text;
        QString result = QString::fromUtf8(converted);
        opencc_convert_utf8_free(converted);
        return result;
    }

private:
    opencc_t m_handle;
};

const Converter& ConverterTo(bool traditional)
{
    if (traditional) {
        static const Converter toTraditional("s2t");
        return toTraditional;
    }
    static const Converter toSimplified("t2s");
    return toSimplified;
}

} // namespace

std::optional<QString> ConvertedChinese(const QString& text, bool toTraditional)
{
    const Converter& converter = ConverterTo(toTraditional);
    if (!converter.isOpen())
        return std::nullopt;
    return converter.convert(text);
}

ChineseConversionStep::ChineseConversionStep(const StepSettings& settings)
    : m_toTraditional(settings.choice(u"to") == u"traditional")
{}

std::optional<QString> ChineseConversionStep::apply(const QString& name, const NameContext&) const
{
    const Converter& converter = ConverterTo(m_toTraditional);
    // A name that is not all text keeps its bytes: converting would change them.
    if (!converter.isOpen() || MayHoldEscapedBytes(name))
        return name;
    return converter.convert(name);
}

QString ChineseConversionStep::inWords() const
{
    return m_toTraditional ? Texts::tr("简体转为繁体") : Texts::tr("繁体转为简体");
}

QString ChineseConversionStep::problem() const
{
    if (ConverterTo(m_toTraditional).isOpen())
        return {};
    return Texts::tr("找不到繁简转换的词典（OpenCC）");
}
