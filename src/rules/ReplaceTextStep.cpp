#include "ReplaceTextStep.h"

#include <QCoreApplication>

#include "TrimmedName.h"

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReplaceTextStep)
};

} // namespace

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
        return Texts::tr("删除名称中的“%1”").arg(m_find);
    return Texts::tr("把名称中的“%1”替换为“%2”").arg(m_find, m_replaceWith);
}
