#pragma once

#include "NativePaths.h"

#include <QString>
#include <QStringBuilder>

// The parent and the last component of a path, trailing separators aside: "/a" gives "/" and
// "a", "C:\\a" gives "C:\\" and "a", a bare name "." and itself, a root no parent (a null
// view) and an empty name. Views into the path, or into static text.
inline std::pair<QStringView, QStringView> SplitPathView(QStringView path)
{
    const qsizetype root = RootLength(path);
    qsizetype end = path.size();
    while (end > std::max<qsizetype>(root, 1) && path[end - 1] == PathSeparator)
        --end;
    if (root > 0 && end <= root)
        return {QStringView(), QStringView(u"")};
    const qsizetype separator = path.lastIndexOf(PathSeparator, end - 1);
    if (separator < 0)
        return {QStringView(u"."), path.first(end)};
    qsizetype parentEnd = std::max(separator, root);
    while (parentEnd > root && path[parentEnd - 1] == PathSeparator)
        --parentEnd;
    return {path.first(parentEnd), path.sliced(separator + 1, end - separator - 1)};
}

inline std::pair<QString, QString> SplitPath(const QString& path)
{
    const auto [parent, name] = SplitPathView(path);
    if (parent.isNull())
        return {QString(), QString()}; // a root
    return {parent.toString(), name.toString()};
}

// The path without "." components and doubled separators after its root, which add nothing to
// what it names; ".." stays, as what it means depends on links. The path itself when it has
// none.
inline QString WithoutDotComponents(const QString& path)
{
    const qsizetype root = RootLength(path);
    const QStringView rest = QStringView(path).sliced(root);
    const auto isDot = [](QStringView part) {
        return part.isEmpty() || part == u".";
    };
    bool anyDot = false;
    for (const QStringView part : rest.tokenize(PathSeparator))
        anyDot |= isDot(part);
    if (!anyDot)
        return path;
    QString clean = path.left(root);
    for (const QStringView part : rest.tokenize(PathSeparator)) {
        if (isDot(part))
            continue;
        if (clean.size() > root)
            clean += PathSeparator;
        clean += part;
    }
    return clean.isEmpty() ? path : clean;
}

// The length of JoinPath(parent, name), without making it.
inline qsizetype JoinedLength(const QString& parent, QStringView name)
{
    return parent.size() + (parent.endsWith(PathSeparator) ? 0 : 1) + name.size();
}

// Whether the path is JoinPath(parent, name), without making it.
inline bool IsJoinedPath(QStringView path, const QString& parent, QStringView name)
{
    return path.size() == JoinedLength(parent, name) && path.startsWith(parent) &&
           path.endsWith(name) &&
           (parent.endsWith(PathSeparator) || path[parent.size()] == PathSeparator);
}

// The parent's path, a separator unless the parent ends in one (a root), the name. Nothing
// else is normalised.
inline QString JoinPath(const QString& parent, QStringView name)
{
    if (parent.endsWith(PathSeparator))
        return parent % name;
    return parent % PathSeparator % name; // one allocation
}

// What the path holds from start on, sharing the path's own text: no allocation of its own
// (static text is copied, not to be shared this way).
inline QString NameWithinPath(const QString& path, qsizetype start)
{
    if (!path.data_ptr().isMutable())
        return path.sliced(start);
    QString within = path; // one more reference to the path's text
    QString::DataPointer& text = within.data_ptr();
    text.setBegin(text.data() + start);
    text.size = path.size() - start;
    return within;
}

// The name as the end of the path's own text, where the path ends in a separator and the
// name; a string of its own otherwise.
inline QString NameWithinPath(const QString& path, QStringView name)
{
    const qsizetype start = path.size() - name.size();
    if (name.isEmpty() || start < 1 || path[start - 1] != PathSeparator ||
        QStringView(path).sliced(start) != name)
        return name.toString();
    return NameWithinPath(path, start);
}
