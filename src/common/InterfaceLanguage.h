#pragma once

#include <QString>
#include <QStringList>

class Settings;

// The languages of the interface. The program's texts are written in Simplified Chinese; the
// others are translations of them.
enum class InterfaceLanguage { FollowSystem, SimplifiedChinese, TraditionalChinese, English };

// How the settings and the translation files name it: "system", "zh_CN", "zh_TW", "en".
QString LanguageCode(InterfaceLanguage language);
InterfaceLanguage LanguageOfCode(const QString& code);

// The language for the system's UI languages, most wanted first: Traditional for Taiwan,
// Hong Kong, Macau and zh-Hant, English for en-*, Simplified for the rest.
InterfaceLanguage LanguageForSystem(const QStringList& uiLanguages);

// The language the user chose, or the system's when the choice is to follow it.
InterfaceLanguage ChosenLanguage(const Settings& settings, const QStringList& uiLanguages);
