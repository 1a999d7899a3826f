#pragma once

#include <QJsonArray>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

class Settings;

// The step lists the rules dialog remembers, in the program's settings: the last one used,
// the ten most recent, and the ones the user saved under a name ("规则方案"), which can be
// exported to and imported from a small JSON file.
struct RulePresets
{
    static constexpr int recentKept = 10;

    QJsonArray lastUsed;
    QList<QJsonArray> recent; // newest first
    QMap<QString, QJsonArray> named;

    // Shipped with the program for the clutter of downloaded folders, in the order offered:
    // step lists like any other, to use as they are or to edit and save under a name.
    static const QList<std::pair<QString, QJsonArray>>& builtIn();

    static RulePresets load(const Settings& settings);
    void save(Settings& settings) const;

    // A step list just used: the last one, and the newest of the recent ones.
    void remember(const QJsonArray& steps);

    QByteArray exportedNamed() const;
    // Adds the file's presets to the named ones (a name already used takes the file's steps);
    // the names added, or nothing when the file is not a presets file.
    std::optional<QStringList> importNamed(const QByteArray& file);
};
