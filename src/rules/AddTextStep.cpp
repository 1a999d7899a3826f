#include "AddTextStep.h"

#include <algorithm>

using namespace Qt::StringLiterals;

AddTextStep::AddTextStep(const StepSettings& settings)
    : m_text(settings.text(u"text")), m_offset(settings.number(u"offset"))
{
    const QString place = settings.choice(u"place");
    m_place = place == u"before"  ? Place::Before
              : place == u"start" ? Place::FromStart
              : place == u"end"   ? Place::FromEnd
                                  : Place::After;
}

std::optional<QString> AddTextStep::apply(const QString& name, const NameContext&) const
{
    // A position past either end puts the text at that end.
    const qsizetype offset = std::min<qsizetype>(m_offset, name.size());
    switch (m_place) {
    case Place::Before:
        return m_text + name;
    case Place::After:
        return name + m_text;
    case Place::FromStart:
        return QString(name).insert(offset, m_text);
    case Place::FromEnd:
        break;
    }
    return QString(name).insert(name.size() - offset, m_text);
}

QString AddTextStep::inWords() const
{
    switch (m_place) {
    case Place::Before:
        return u"在名称前添加“%1”"_s.arg(m_text);
    case Place::After:
        return u"在名称后添加“%1”"_s.arg(m_text);
    case Place::FromStart:
        return u"在第 %1 个字符后添加“%2”"_s.arg(m_offset).arg(m_text);
    case Place::FromEnd:
        break;
    }
    return u"在倒数第 %1 个字符前添加“%2”"_s.arg(m_offset).arg(m_text);
}
