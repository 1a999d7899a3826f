#include "ChineseNumeralStep.h"

#include <QCoreApplication>

#include "common/ChineseNumerals.h"
#include "common/TextRuns.h"

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ChineseNumeralStep)
};

bool IsCounterWord(QChar c)
{
    return QStringView(u"集季部卷册冊期章回话話篇节節课課届屆次个個号號日月年岁歲页頁辑輯首场場周")
        .contains(c);
}

bool IsHan(QChar c)
{
    return c.script() == QChar::Script_Han;
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Where a run of numerals stands for a number rather than for part of a word.
bool StandsForNumber(QStringView name, qsizetype start, qsizetype end)
{
    const bool hanBefore = start > 0 && IsHan(name[start - 1]);
    const bool hanAfter = end < name.size() && IsHan(name[end]);
    return (hanBefore && name[start - 1] == u'第') || (hanAfter && IsCounterWord(name[end])) ||
           (!hanBefore && !hanAfter);
}

} // namespace

ChineseNumeralStep::ChineseNumeralStep(const StepSettings& settings)
    : m_toDigits(settings.choice(u"to") == u"digits"), m_capitals(settings.flag(u"capitals"))
{}

std::optional<QString> ChineseNumeralStep::apply(const QString& name, const NameContext&) const
{
    if (!m_toDigits) {
        return RewriteRuns(name, IsAsciiDigit, [this](QStringView digits, qsizetype) {
            // Beyond 15 digits a run is a code, not a number to read.
            return digits.size() > 15 ? digits.toString()
                                      : ChineseNumeralOf(digits.toLongLong(), m_capitals);
        });
    }
    // Whether a run stands for a number depends on its neighbours.
    return RewriteRuns(name, IsChineseNumeral, [&name](QStringView run, qsizetype start) {
        const std::optional<qint64> value = ChineseNumeralValue(run);
        return value && StandsForNumber(name, start, start + run.size()) ? QString::number(*value)
                                                                         : run.toString();
    });
}

QString ChineseNumeralStep::inWords() const
{
    return m_toDigits   ? Texts::tr("中文数字转为阿拉伯数字")
           : m_capitals ? Texts::tr("阿拉伯数字转为大写中文数字")
                        : Texts::tr("阿拉伯数字转为中文数字");
}
