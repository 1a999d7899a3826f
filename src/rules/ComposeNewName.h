#pragma once

#include "RenameRule.h"

// Leading and trailing U+0020 removed; tabs, U+3000 and inner spaces stay.
QString TrimSpaces(const QString& text);

// The rule applied to the name, then trimmed. A pure function.
QString ComposeNewName(const RenameRule& rule, const QString& name);
