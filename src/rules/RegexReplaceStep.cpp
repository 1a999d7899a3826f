#include "RegexReplaceStep.h"

#include <QCoreApplication>

#include "TrimmedName.h"

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RegexReplaceStep)
};

// PCRE2's own bound on a match's steps, lowered from its ten million: a name then takes about
// a millisecond at most however the pattern backtracks (a plain pattern, under a microsecond).
// Matched by the interpreter: where the JIT runs out of stack, Qt gives the thread a larger one
// of its own, and one left on a pass's worker kept the Windows program from ending under wine.
const QString matchLimit = u"(*NO_JIT)(*LIMIT_MATCH=100000)"_s;
} // namespace

RegexReplaceStep::RegexReplaceStep(const StepSettings& settings)
    : m_source(settings.text(u"pattern")),
      m_pattern(matchLimit + m_source, settings.flag(u"exactCase")
                                           ? QRegularExpression::NoPatternOption
                                           : QRegularExpression::CaseInsensitiveOption),
      m_replaceWith(settings.text(u"replaceWith"))
{}

QString RegexReplaceStep::replacementFor(const QRegularExpressionMatch& match) const
{
    QString text;
    for (qsizetype i = 0; i < m_replaceWith.size(); ++i) {
        const QChar c = m_replaceWith[i];
        if ((c == u'\\' || c == u'$') && i + 1 < m_replaceWith.size() &&
            m_replaceWith[i + 1].isDigit()) {
            // Two digits when the pattern has that many groups: \12 is group 12, else group 1.
            int group = m_replaceWith[++i].digitValue();
            if (i + 1 < m_replaceWith.size() && m_replaceWith[i + 1].isDigit() &&
                group * 10 + m_replaceWith[i + 1].digitValue() <= m_pattern.captureCount())
                group = group * 10 + m_replaceWith[++i].digitValue();
            text += match.captured(group);
        } else {
            text += c;
        }
    }
    return text;
}

std::optional<QString> RegexReplaceStep::apply(const QString& name, const NameContext&) const
{
    if (!m_pattern.isValid() || m_source.isEmpty())
        return name;
    // Deleting (an empty replacement) leaves no double space where the text stood, as the
    // other removals do.
    const bool deleting = m_replaceWith.isEmpty();
    QStringList kept{QString()};
    qsizetype copied = 0;
    QRegularExpressionMatchIterator matches = m_pattern.globalMatch(name);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (!match.isValid())
            return std::nullopt; // the bound was reached
        kept.back() += QStringView(name).sliced(copied, match.capturedStart() - copied);
        if (deleting)
            kept.append(QString());
        else
            kept.back() += replacementFor(match);
        copied = match.capturedEnd();
    }
    if (!matches.isValid())
        return std::nullopt;
    kept.back() += QStringView(name).sliced(copied);
    return deleting ? JoinKept(kept) : kept.back();
}

QString RegexReplaceStep::inWords() const
{
    return Texts::tr("把匹配“%1”的文字替换为“%2”").arg(m_source, m_replaceWith);
}

QString RegexReplaceStep::problem() const
{
    if (m_pattern.isValid())
        return {};
    return Texts::tr("正则表达式有误：%1（第 %2 个字符）")
        .arg(m_pattern.errorString())
        .arg(m_pattern.patternErrorOffset() - matchLimit.size() + 1);
}
