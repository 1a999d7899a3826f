#include "AddTextStep.h"

using namespace Qt::StringLiterals;

AddTextStep::AddTextStep(const StepSettings& settings)
    : m_text(settings.text(u"text")), m_place(settings)
{}

std::optional<QString> AddTextStep::apply(const QString& name, const NameContext&) const
{
    return m_place.put(m_text, name);
}

QString AddTextStep::inWords() const
{
    return u"在%1添加“%2”"_s.arg(m_place.inWords(), m_text);
}
