#include "PadNumbersStep.h"

#include <QCoreApplication>

#include "common/TextRuns.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PadNumbersStep)
};

} // namespace

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
    return RewriteRuns(name, IsDigit, [width](QStringView digits, qsizetype) {
        return QString(std::max<qsizetype>(0, width - digits.size()), u'0').append(digits);
    });
}

QString PadNumbersStep::inWords() const
{
    return m_width > 0 ? Texts::tr("名称中的数字补零到 %1 位").arg(m_width)
                       : Texts::tr("名称中的数字补零到列表中最长的数字的位数");
}
