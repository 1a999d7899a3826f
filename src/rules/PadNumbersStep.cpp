#include "PadNumbersStep.h"

using namespace Qt::StringLiterals;

PadNumbersStep::PadNumbersStep(const StepSettings& settings) : m_width(settings.number(u"width")) {}

namespace {
bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
} // namespace

int WidestNumber(QStringView name)
{
    int widest = 0;
    int run = 0;
    for (const QChar c : name) {
        run = IsDigit(c) ? run + 1 : 0;
        widest = std::max(widest, run);
    }
    return widest;
}

std::optional<QString> PadNumbersStep::apply(const QString& name, const NameContext& context) const
{
    const int width = m_width > 0 ? m_width : context.widestNumber;
    QString padded;
    padded.reserve(name.size() + width);
    for (qsizetype i = 0; i < name.size();) {
        if (!IsDigit(name[i])) {
            padded += name[i++];
            continue;
        }
        qsizetype end = i;
        while (end < name.size() && IsDigit(name[end]))
            ++end;
        padded += QString(std::max<qsizetype>(0, width - (end - i)), u'0');
        padded += QStringView(name).sliced(i, end - i);
        i = end;
    }
    return padded;
}

QString PadNumbersStep::inWords() const
{
    return m_width > 0 ? u"名称中的数字补零到 %1 位"_s.arg(m_width)
                       : u"名称中的数字补零到列表中最长的数字的位数"_s;
}
