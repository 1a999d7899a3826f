#pragma once

#include <QString>

// The text without the leading and trailing characters for which isSpace holds.
QString TrimmedOf(const QString& text, bool (*isSpace)(QChar));
// Leading and trailing U+0020 removed; tabs, U+3000 and inner spaces stay.
QString TrimSpaces(const QString& text);
