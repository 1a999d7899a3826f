#pragma once

#include <QString>

// The text with every longest run of characters that inRun accepts replaced by what rewrite
// makes of it: rewrite(run, start) gives a QString for the run that starts at text[start].
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
        result += rewrite(QStringView(text).sliced(i, end - i), i);
        i = end;
    }
    return result;
}
