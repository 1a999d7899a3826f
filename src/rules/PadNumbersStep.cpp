#include "PadNumbersStep.h"

using namespace Qt::StringLiterals;

PadNumbersStep::PadNumbersStep(const StepSettings& settings) : m_width(settings.number(u"width")) {}

std::optional<QString> PadNumbersStep::apply(const QString& name, const NameContext&) const
{
    const auto isDigit = [](QChar c) {
        return c >= u'0' && c <= u'9';
    };
    QString padded;
    padded.reserve(name.size() + m_width);
    for (qsizetype i = 0; i < name.size();) {
        if (!isDigit(name[i])) {
            padded += name[i++];
            continue;
        }
        qsizetype end = i;
        while (end < name.size() && isDigit(name[end]))
            ++end;
        padded += QString(std::max<qsizetype>(0, m_width - (end - i)), u'0');
        padded += QStringView(name).sliced(i, end - i);
        i = end;
    }
    return padded;
}

QString PadNumbersStep::inWords() const
{
    return u"名称中的数字补零到 %1 位"_s.arg(m_width);
}
