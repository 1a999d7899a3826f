#include "DateStep.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DateStep)
};

} // namespace

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
    return Texts::tr("在%1添加%2（%3）")
        .arg(m_place.inWords(),
             m_time == FolderTime::Created ? Texts::tr("创建日期") : Texts::tr("修改日期"),
             m_format);
}

QString DateStep::problem() const
{
    return m_format.trimmed().isEmpty() ? Texts::tr("日期格式为空") : QString();
}
