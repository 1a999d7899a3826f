#include "LetterCaseStep.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LetterCaseStep)
};

} // namespace

LetterCaseStep::LetterCaseStep(const StepSettings& settings)
{
    const QString to = settings.choice(u"to");
    m_case = to == u"upper" ? Case::Upper : to == u"words" ? Case::Words : Case::Lower;
}

std::optional<QString> LetterCaseStep::apply(const QString& name, const NameContext&) const
{
    switch (m_case) {
    case Case::Lower:
        return name.toLower();
    case Case::Upper:
        return name.toUpper();
    case Case::Words:
        break;
    }
    QString result = name.toLower();
    bool wordStarts = true;
    for (QChar& c : result) {
        if (wordStarts && c.isLower())
            c = c.toUpper();
        wordStarts = !c.isLetterOrNumber() && c != u'\'';
    }
    return result;
}

QString LetterCaseStep::inWords() const
{
    switch (m_case) {
    case Case::Lower:
        return Texts::tr("字母转为小写");
    case Case::Upper:
        return Texts::tr("字母转为大写");
    case Case::Words:
        break;
    }
    return Texts::tr("每个单词首字母大写");
}
