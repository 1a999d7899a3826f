#pragma once

#include <QString>

// The text with every longest run of characters that inRun accepts replaced by what rewrite
// makes of it (a QString from a QStringView).
template <typename InRun, typename Rewrite>
QString RewriteRuns(const QString& text, InRun inRun, Rewrite rewrite)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (!inRun(text[i])) {
            result += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && inRun(text[end]))
            ++end;
        result += rewrite(QStringView(text).sliced(i, end - i));
        i = end;
    }
    return result;
}
