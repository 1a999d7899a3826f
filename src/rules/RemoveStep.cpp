#include "RemoveStep.h"

#include <QCoreApplication>

#include "TrimmedName.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RemoveStep)
};

} // namespace

const QString& RemoveStep::allBrackets()
{
    static const QString pairs = u"【】〔〕（）()[]{}《》"_s;
    return pairs;
}

RemoveStep::RemoveStep(const StepSettings& settings)
    : m_first(settings.number(u"first")), m_last(settings.number(u"last")),
      m_bracketsOnly(settings.choice(u"bracketText") == u"bracketsOnly"),
      m_trim(settings.flag(u"trim"))
{
    // Only whole pairs that the step knows.
    const QString chosen = settings.choice(u"brackets");
    for (qsizetype i = 0; i + 1 < allBrackets().size(); i += 2) {
        if (chosen.contains(allBrackets()[i]))
            m_brackets += allBrackets().sliced(i, 2);
    }
}

QString RemoveStep::withoutBrackets(const QString& name) const
{
    QStringList kept{QString()};
    qsizetype i = 0;
    while (i < name.size()) {
        const qsizetype pair = m_brackets.indexOf(name[i]);
        if (pair < 0 || pair % 2 != 0) {
            kept.back() += name[i++];
            continue;
        }
        // The matching closing bracket, counting nested pairs of the same kind; an opening
        // bracket that is never closed is kept as text.
        const QChar open = m_brackets[pair];
        const QChar close = m_brackets[pair + 1];
        int depth = 0;
        qsizetype end = i;
        for (; end < name.size(); ++end) {
            depth += name[end] == open ? 1 : name[end] == close ? -1 : 0;
            if (depth == 0)
                break;
        }
        if (end == name.size()) {
            kept.back() += name[i++];
            continue;
        }
        if (m_bracketsOnly) {
            // Only the pair's own two characters; what they held stays, nested pairs too.
            const QString inside = name.sliced(i + 1, end - i - 1);
            kept.back() += RemoveStep::withoutBrackets(inside);
        } else {
            kept.append(QString());
        }
        i = end + 1;
    }
    return JoinKept(kept);
}

std::optional<QString> RemoveStep::apply(const QString& name, const NameContext&) const
{
    QString result = name;
    if (!m_brackets.isEmpty())
        result = withoutBrackets(result);
    result = result.mid(m_first);
    result.chop(std::min<qsizetype>(m_last, result.size()));
    // Every kind of space: the full-width U+3000 as well.
    return m_trim ? TrimmedOf(result, [](QChar c) { return c.isSpace(); }) : result;
}

QString RemoveStep::inWords() const
{
    QStringList parts;
    if (m_first > 0)
        parts << Texts::tr("前 %n 个字符", nullptr, int(m_first));
    if (m_last > 0)
        parts << Texts::tr("后 %n 个字符", nullptr, int(m_last));
    if (!m_brackets.isEmpty())
        parts << (m_bracketsOnly ? Texts::tr("括号 %1（保留其中的文字）")
                                 : Texts::tr("括号 %1 及其中的文字"))
                     .arg(m_brackets);
    if (m_trim)
        parts << Texts::tr("首尾空格");
    return Texts::tr("删除") +
           (parts.isEmpty() ? Texts::tr("（无）") : parts.join(Texts::tr("、")));
}
