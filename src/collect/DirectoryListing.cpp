#include "DirectoryListing.h"

#include <QCoreApplication>

#include "platform/FileSystem.h"
#include "platform/PassRunner.h"
#include "platform/PathJoin.h"
#include "rows/NaturalNameOrder.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DirectoryListing)
};

QString withoutTrailingSeparators(QString path)
{
    while (path.size() > RootLength(path) && path.endsWith(PathSeparator))
        path.chop(1);
    return path;
}

// "/a/b" gives "/", "/a", "/a/b"; "C:\a" gives "C:\", "C:\a".
QStringList ancestorsOf(const QString& path)
{
    const qsizetype root = RootLength(path);
    QStringList ancestors{path.left(root)};
    for (qsizetype i = root; i < path.size(); ++i) {
        if (path[i] == PathSeparator && path[i - 1] != PathSeparator)
            ancestors.append(path.left(i));
    }
    if (path.size() > root)
        ancestors.append(path);
    return ancestors;
}

} // namespace

void SortNaturally(QStringList& names)
{
    const std::vector<int> order = NaturalNameOrder().sortedPositions(names);
    QStringList unsorted = std::exchange(names, {});
    names.reserve(unsorted.size());
    for (const int position : order)
        names.append(std::move(unsorted[position]));
}

DirectoryListing::DirectoryListing(FileSystem& fileSystem, PassRunner& passes)
    : m_fileSystem(fileSystem), m_passes(passes)
{}

bool DirectoryListing::setPath(const QString& directory)
{
    const QString path = withoutTrailingSeparators(directory);
    if (RootLength(path) == 0)
        return false;
    std::optional<NameList> names;
    std::vector<int> order;
    const auto read = [&](PassControl& control) {
        // Sorted while being read: on a second core the sort costs hardly more than the
        // reading.
        NaturalNameSorter sorter;
        const auto take = [&](NameList some) {
            sorter.add(std::move(some));
        };
        if (m_fileSystem.readSubfolderNames(path, take) && !control.stopHere()) {
            order = sorter.finish();
            names = sorter.takeNames();
        }
    };
    m_passes.run(Texts::tr("正在读取目录……"), 0, read, [] {});
    if (!names)
        return false;
    m_path = path;
    m_ancestors = ancestorsOf(path);
    m_subfolders = std::make_shared<const Subfolders>(std::move(*names), std::move(order));
    return true;
}

QString DirectoryListing::list(int index) const
{
    if (index >= 0 && index < listCount()) {
        return JoinPath(m_path, m_subfolders->names[m_subfolders->order[size_t(index)]]);
    }
    const int ancestor = ancestorCount() + index; // -1 is the last ancestor
    if (index < 0 && ancestor >= 0)
        return m_ancestors[ancestor];
    return {};
}

QString DirectoryListing::displayName(int index) const
{
    if (index >= 0 && index < listCount())
        return m_subfolders->names[m_subfolders->order[size_t(index)]].toString();
    const QString full = list(index);
    if (full.size() <= RootLength(full))
        return full;
    return full.mid(full.lastIndexOf(PathSeparator) + 1);
}
