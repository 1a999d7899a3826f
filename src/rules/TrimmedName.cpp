#include "TrimmedName.h"

QString TrimmedOf(const QString& text, bool (*isSpace)(QChar))
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isSpace(text[first]))
        ++first;
    while (end > first && isSpace(text[end - 1]))
        --end;
    if (first == 0 && end == text.size())
        return text; // shared, not copied: most names need no trimming
    return text.sliced(first, end - first);
}

QString TrimSpaces(const QString& text)
{
    return TrimmedOf(text, [](QChar c) { return c == u' '; });
}
