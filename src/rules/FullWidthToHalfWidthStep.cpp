#include "FullWidthToHalfWidthStep.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FullWidthToHalfWidthStep)
};

} // namespace

std::optional<QString> FullWidthToHalfWidthStep::apply(const QString& name,
                                                       const NameContext&) const
{
    static const QString standIns = u"：？＊＂＜＞｜／＼"_s;
    QString result = name;
    for (QChar& c : result) {
        const char16_t unit = c.unicode();
        if (unit == 0x3000)
            c = u' ';
        else if (unit >= 0xFF01 && unit <= 0xFF5E && !standIns.contains(c))
            c = QChar(char16_t(unit - 0xFEE0));
    }
    return result;
}

QString FullWidthToHalfWidthStep::inWords() const
{
    return Texts::tr("全角字母、数字、标点和空格转为半角");
}
