#pragma once

#include <QString>
#include <QVariant>

// The program's settings, kept for the user between runs. Every setting is a key of this
// one list, with its name in the store and its default, so that no two places spell a key or
// its default apart.
class Settings
{
public:
    enum class Key {
        RecordsKeptCount,  // batch records kept, at most
        RecordsKeptDays,   // and for how many days
        RulesLastUsed,     // the rules dialog's last step list, as compact JSON
        RulesRecent,       // its recent step lists, newest first
        RulesNamed,        // its named presets
        NamesDialogSize,   // the name editor's size
        RulesDialogPlace,  // the rules dialog's place and size, where the user last left it
        InterfaceLanguage, // the language the user chose, or "system" to follow the system's
    };

    virtual ~Settings() = default;

    // The setting, or its default when none was kept.
    virtual QVariant value(Key key) const = 0;
    virtual void setValue(Key key, const QVariant& value) = 0;

    // How the store names the key, and what it is until set.
    static QString nameOf(Key key);
    static QVariant defaultOf(Key key);
};
