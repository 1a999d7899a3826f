#include "InterfaceLanguage.h"

#include "platform/Settings.h"

using namespace Qt::StringLiterals;

namespace {

const std::pair<InterfaceLanguage, QString> codes[] = {
    {InterfaceLanguage::FollowSystem, u"system"_s},
    {InterfaceLanguage::SimplifiedChinese, u"zh_CN"_s},
    {InterfaceLanguage::TraditionalChinese, u"zh_TW"_s},
    {InterfaceLanguage::English, u"en"_s},
};

} // namespace

QString LanguageCode(InterfaceLanguage language)
{
    for (const auto& [known, code] : codes) {
        if (known == language)
            return code;
    }
    return {};
}

InterfaceLanguage LanguageOfCode(const QString& code)
{
    for (const auto& [language, known] : codes) {
        if (known == code)
            return language;
    }
    return InterfaceLanguage::FollowSystem;
}

InterfaceLanguage LanguageForSystem(const QStringList& uiLanguages)
{
    // The first language the program has texts for decides: "en-GB" before "zh-TW" is English.
    for (const QString& name : uiLanguages) {
        const QString tag = name.toLower().replace(u'_', u'-');
        if (tag == u"en"_s || tag.startsWith(u"en-"_s))
            return InterfaceLanguage::English;
        if (tag != u"zh"_s && !tag.startsWith(u"zh-"_s))
            continue;
        const QStringList parts = tag.split(u'-');
        if (parts.contains(u"hant"_s))
            return InterfaceLanguage::TraditionalChinese;
        if (parts.contains(u"hans"_s))
            return InterfaceLanguage::SimplifiedChinese;
        for (const QString& region : {u"tw"_s, u"hk"_s, u"mo"_s}) {
            if (parts.contains(region))
                return InterfaceLanguage::TraditionalChinese;
        }
        return InterfaceLanguage::SimplifiedChinese;
    }
    return InterfaceLanguage::SimplifiedChinese;
}

InterfaceLanguage ChosenLanguage(const Settings& settings, const QStringList& uiLanguages)
{
    const InterfaceLanguage chosen =
        LanguageOfCode(settings.value(Settings::Key::InterfaceLanguage).toString());
    return chosen == InterfaceLanguage::FollowSystem ? LanguageForSystem(uiLanguages) : chosen;
}
