#include "AddTextStep.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AddTextStep)
};

} // namespace

AddTextStep::AddTextStep(const StepSettings& settings)
    : m_text(settings.text(u"text")), m_place(settings)
{}

std::optional<QString> AddTextStep::apply(const QString& name, const NameContext&) const
{
    return m_place.put(m_text, name);
}

QString AddTextStep::inWords() const
{
    return Texts::tr("在%1添加“%2”").arg(m_place.inWords(), m_text);
}
