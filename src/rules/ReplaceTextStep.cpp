#include "ReplaceTextStep.h"

#include "TrimmedName.h"

using namespace Qt::StringLiterals;

ReplaceTextStep::ReplaceTextStep(const StepSettings& settings)
    : m_find(settings.text(u"find")), m_replaceWith(settings.text(u"replaceWith")),
      m_case(settings.flag(u"exactCase") ? Qt::CaseSensitive : Qt::CaseInsensitive)
{}

std::optional<QString> ReplaceTextStep::apply(const QString& name, const NameContext&) const
{
    if (m_find.isEmpty())
        return name;
    // Deleting leaves no double space where the text stood.
    if (m_replaceWith.isEmpty())
        return JoinKept(name.split(m_find, Qt::KeepEmptyParts, m_case));
    return QString(name).replace(m_find, m_replaceWith, m_case);
}

QString ReplaceTextStep::inWords() const
{
    if (m_replaceWith.isEmpty())
        return u"删除名称中的“%1”"_s.arg(m_find);
    return u"把名称中的“%1”替换为“%2”"_s.arg(m_find, m_replaceWith);
}
