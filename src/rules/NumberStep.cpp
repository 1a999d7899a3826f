#include "NumberStep.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(NumberStep)
};

int DigitsOf(qint64 number)
{
    return int(QString::number(std::llabs(number)).size());
}
} // namespace

NumberStep::NumberStep(const StepSettings& settings)
    : m_start(settings.number(u"start")), m_step(settings.number(u"increment")),
      m_width(settings.number(u"width")), m_place(settings),
      m_perParent(settings.flag(u"perParent")), m_separator(settings.text(u"separator"))
{}

std::optional<QString> NumberStep::apply(const QString& name, const NameContext& context) const
{
    const int position = m_perParent ? context.positionInParent : context.position;
    const int rows = m_perParent ? context.largestParentCount : context.count;
    const qint64 number = m_start + m_step * position;
    const int width = m_width > 0
                          ? m_width
                          : std::max(DigitsOf(m_start), DigitsOf(m_start + m_step * (rows - 1)));
    QString text = QString::number(std::llabs(number)).rightJustified(width, u'0');
    if (number < 0)
        text.prepend(u'-');
    return m_place.put(text, name, m_separator);
}

QString NumberStep::inWords() const
{
    const QString scope = m_perParent ? Texts::tr("每个父目录分别") : QString();
    return Texts::tr("在%1%2编号（从 %3 起，步长 %4）")
        .arg(m_place.inWords(), scope)
        .arg(m_start)
        .arg(m_step);
}
