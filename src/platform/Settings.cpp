#include "Settings.h"

#include <QRect>
#include <QSize>

using namespace Qt::StringLiterals;

namespace {

struct Described
{
    QString name;
    QVariant initial;
};

Described Describe(Settings::Key key)
{
    using Key = Settings::Key;
    switch (key) {
    case Key::RecordsKeptCount:
        return {u"records/keptCount"_s, 20};
    case Key::RecordsKeptDays:
        return {u"records/keptDays"_s, 90};
    case Key::RulesLastUsed:
        return {u"rules/lastUsed"_s, QByteArray("[]")};
    case Key::RulesRecent:
        return {u"rules/recent"_s, QByteArray("[]")};
    case Key::NamesDialogSize:
        return {u"names/dialogSize"_s, QSize()};
    case Key::RulesDialogPlace:
        return {u"rules/dialogPlace"_s, QRect()};
    case Key::InterfaceLanguage:
        return {u"interface/language"_s, u"system"_s};
    case Key::RulesNamed:
        break;
    }
    return {u"rules/named"_s, QByteArray("{}")};
}

} // namespace

QString Settings::nameOf(Key key)
{
    return Describe(key).name;
}

QVariant Settings::defaultOf(Key key)
{
    return Describe(key).initial;
}
