#include "ReplaceTextStep.h"

using namespace Qt::StringLiterals;

ReplaceTextStep::ReplaceTextStep(const QJsonObject& settings)
    : m_find(settings[u"find"].toString()), m_replaceWith(settings[u"replaceWith"].toString()),
      m_case(settings[u"exactCase"].toBool() ? Qt::CaseSensitive : Qt::CaseInsensitive)
{}

QString ReplaceTextStep::apply(const QString& name, const NameContext&) const
{
    if (m_find.isEmpty())
        return name;
    return QString(name).replace(m_find, m_replaceWith, m_case);
}

QString ReplaceTextStep::inWords() const
{
    if (m_replaceWith.isEmpty())
        return u"删除“%1”"_s.arg(m_find);
    return u"把“%1”替换为“%2”"_s.arg(m_find, m_replaceWith);
}
