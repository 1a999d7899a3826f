#include "RulePresets.h"

#include "StepList.h"
#include "platform/Settings.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

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
