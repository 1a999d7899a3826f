#pragma once

#include <QString>
#include <QStringList>

// The text without the leading and trailing characters for which isSpace holds.
QString TrimmedOf(const QString& text, bool (*isSpace)(QChar));
// Leading and trailing U+0020 removed; tabs, U+3000 and inner spaces stay.
QString TrimSpaces(const QString& text);

// The pieces a removal kept, joined: where removed text stood, a run of spaces becomes one
// space, and none at either end of the name ("03 【港】 电影" less 【港】 is "03 电影").
QString JoinKept(const QStringList& pieces);
