#include "DateStep.h"

#include <QDateTime>
#include <QLocale>

using namespace Qt::StringLiterals;

DateStep::DateStep(const StepSettings& settings)
    : m_time(settings.choice(u"time") == u"created" ? FolderTime::Created : FolderTime::Modified),
      m_format(settings.text(u"format")), m_place(settings),
      m_separator(settings.text(u"separator"))
{}

std::optional<QString> DateStep::apply(const QString& name, const NameContext& context) const
{
    const std::optional<qint64> time =
        m_time == FolderTime::Created ? context.created : context.modified;
    if (!time)
        return name;
    // In the user's time zone; month and day names, where the format asks for them, in Chinese.
    const QString date = QLocale(QLocale::Chinese, QLocale::China)
                             .toString(QDateTime::fromMSecsSinceEpoch(*time), m_format);
    return m_place.put(date, name, m_separator);
}

QString DateStep::inWords() const
{
    return u"在%1添加%2（%3）"_s.arg(
        m_place.inWords(), m_time == FolderTime::Created ? u"创建日期"_s : u"修改日期"_s, m_format);
}

QString DateStep::problem() const
{
    return m_format.trimmed().isEmpty() ? u"日期格式为空"_s : QString();
}
