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

QString JoinKept(const QStringList& pieces)
{
    QString joined;
    QChar space; // the first space met at the junction, kept where text follows on both sides
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        QStringView piece = pieces[k];
        if (k > 0) {
            while (!joined.isEmpty() && joined.back().isSpace()) {
                space = joined.back();
                joined.chop(1);
            }
            while (!piece.isEmpty() && piece.front().isSpace()) {
                if (space.isNull())
                    space = piece.front();
                piece = piece.sliced(1);
            }
            if (piece.isEmpty())
                continue; // the next junction decides
            if (!space.isNull() && !joined.isEmpty())
                joined += space;
            space = QChar();
        }
        joined += piece;
    }
    return joined;
}
