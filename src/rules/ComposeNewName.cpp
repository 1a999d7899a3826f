#include "ComposeNewName.h"

QString RenameRule::inWords() const
{
    using namespace Qt::StringLiterals;
    switch (kind) {
    case Kind::Append:
        return u"在名称后添加“%1”"_s.arg(appendText);
    case Kind::Prepend:
        return u"在名称前添加“%1”"_s.arg(prependText);
    case Kind::Replace:
        break;
    }
    if (replaceWith.isEmpty())
        return u"删除名称中的“%1”"_s.arg(findText);
    return u"把名称中的“%1”替换为“%2”"_s.arg(findText, replaceWith);
}

const QString& RenameRule::ruleText() const
{
    switch (kind) {
    case Kind::Append:
        return appendText;
    case Kind::Prepend:
        return prependText;
    case Kind::Replace:
        break;
    }
    return findText;
}

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

QString ComposeNewName(const RenameRule& rule, const QString& name)
{
    switch (rule.kind) {
    case RenameRule::Kind::Append:
        return TrimSpaces(name + rule.appendText);
    case RenameRule::Kind::Prepend:
        return TrimSpaces(rule.prependText + name);
    case RenameRule::Kind::Replace:
        break;
    }
    QString replaced = name;
    // Left to right, never overlapping, never searching what was put in.
    if (!rule.findText.isEmpty())
        replaced.replace(rule.findText, rule.replaceWith, Qt::CaseInsensitive);
    return TrimSpaces(replaced);
}
