#include "RulePresets.h"

#include <QCoreApplication>

#include "StepList.h"
#include "platform/Settings.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RulePresets)
};

const QString formatName = u"folder-batch-rename rule presets"_s;

QJsonArray ArrayFrom(const QVariant& stored)
{
    return QJsonDocument::fromJson(stored.toByteArray()).array();
}

QByteArray Compact(const QJsonArray& array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

} // namespace

const QList<std::pair<QString, QJsonArray>>& RulePresets::builtIn()
{
    const auto regex = [](const QString& pattern, const QString& replaceWith) {
        return QJsonObject{
            {u"step"_s, u"regex"_s}, {u"pattern"_s, pattern}, {u"replaceWith"_s, replaceWith}};
    };
    // A bracketed tag, no brackets inside, holding the text, with the spaces around it: one
    // space stands in for them all (and the ends of the name are trimmed).
    const QString open = uR"re([【\[(（「『〔〖])re"_s;
    const QString close = uR"re([】\])）」』〕〗])re"_s;
    const QString inside = uR"re([^【\[(（「『〔〖】\])）」』〕〗]*)re"_s;
    const auto tagHolding = [&](const QString& text) {
        return uR"re(\s*)re"_s + open + inside + u'?' + text + inside + close + uR"re(\s*)re"_s;
    };
    const QString site =
        uR"re((?:https?://|www\.|\.(?:com|net|org|cn|cc|tv|me|la|vip|xyz|top)\b|电影天堂|阳光电影|人人影视|飘花|迅雷|字幕组|论坛|論壇|下载|下載|bbs))re"_s;
    const QString quality =
        uR"re((?:\d{3,4}[PI]|[248]K|高清|超清|标清|標清|蓝光|藍光|原盘|原盤|FHD|UHD|HDR|HD|BD|DVD|WEB-?DL|BluRay|REMUX|x26[45]|HEVC))re"_s;
    const QString qualityOnly =
        uR"re(\s*)re"_s + open + uR"re(\s*)re"_s + quality + uR"re((?:[\s._+-]*(?:)re"_s + quality +
        uR"re(|中字|国语|國語|双语|雙語|中英))*\s*)re"_s + close + uR"re(\s*)re"_s;
    static const QList<std::pair<QString, QJsonArray>> presets = {
        {Texts::tr("去除网址标记"), {regex(tagHolding(site), u" "_s)}},
        {Texts::tr("去除画质标记"), {regex(qualityOnly, u" "_s)}},
        {Texts::tr("整理空格"),
         {regex(uR"re([\s\x{3000}]+)re"_s, u" "_s), regex(u"("_s + open + u") "_s, u"$1"_s),
          regex(u" ("_s + close + u")"_s, u"$1"_s)}},
    };
    return presets;
}

RulePresets RulePresets::load(const Settings& settings)
{
    using Key = Settings::Key;
    RulePresets presets;
    presets.lastUsed = StepList::completed(ArrayFrom(settings.value(Key::RulesLastUsed)));
    for (const QJsonValue& steps : ArrayFrom(settings.value(Key::RulesRecent))) {
        if (steps.isArray() && presets.recent.size() < recentKept)
            presets.recent << StepList::completed(steps.toArray());
    }
    const QJsonObject named =
        QJsonDocument::fromJson(settings.value(Key::RulesNamed).toByteArray()).object();
    for (auto it = named.begin(); it != named.end(); ++it)
        presets.named.insert(it.key(), StepList::completed(it.value().toArray()));
    return presets;
}

void RulePresets::save(Settings& settings) const
{
    using Key = Settings::Key;
    settings.setValue(Key::RulesLastUsed, Compact(lastUsed));
    QJsonArray recentArray;
    for (const QJsonArray& steps : recent)
        recentArray << steps;
    settings.setValue(Key::RulesRecent, Compact(recentArray));
    QJsonObject namedObject;
    for (auto it = named.begin(); it != named.end(); ++it)
        namedObject.insert(it.key(), it.value());
    settings.setValue(Key::RulesNamed, QJsonDocument(namedObject).toJson(QJsonDocument::Compact));
}

void RulePresets::remember(const QJsonArray& steps)
{
    lastUsed = steps;
    recent.removeAll(steps);
    recent.prepend(steps);
    while (recent.size() > recentKept)
        recent.removeLast();
}

QByteArray RulePresets::exportedNamed() const
{
    QJsonObject presets;
    for (auto it = named.begin(); it != named.end(); ++it)
        presets.insert(it.key(), it.value());
    return QJsonDocument(
               QJsonObject{{u"format"_s, formatName}, {u"version"_s, 1}, {u"presets"_s, presets}})
        .toJson(QJsonDocument::Indented);
}

std::optional<QStringList> RulePresets::importNamed(const QByteArray& file)
{
    const QJsonObject document = QJsonDocument::fromJson(file).object();
    if (document[u"format"_s].toString() != formatName || !document[u"presets"_s].isObject())
        return std::nullopt;
    QStringList added;
    const QJsonObject presets = document[u"presets"_s].toObject();
    for (auto it = presets.begin(); it != presets.end(); ++it) {
        if (!it.value().isArray() || it.key().trimmed().isEmpty())
            continue;
        named.insert(it.key(), StepList::completed(it.value().toArray()));
        added << it.key();
    }
    return added;
}
