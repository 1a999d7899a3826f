#pragma once

#include <QString>
#include <QStringList>

#include "common/NameList.h"

#include <memory>
#include <vector>

class FileSystem;
class PassRunner;

// Natural, case-insensitive order ("dir2" before "dir10", Chinese by pinyin), as 按名称 sorts
// the list (NaturalNameOrder).
void SortNaturally(QStringList& names);

// What a directory list box shows: the open directory, its ancestors up to the root and its
// immediate subdirectories, in the manner of a classic directory list box.
//
// Indices follow that box: 0 .. listCount()-1 are the subdirectories, -1 is the open
// directory, -2 its parent and so on up to the root.
class DirectoryListing
{
public:
    DirectoryListing(FileSystem& fileSystem, PassRunner& passes);

    // The open directory: a root with its trailing separator, any other directory without.
    const QString& path() const { return m_path; }
    // Opens the directory and reads its subdirectories afresh, away from the windows' thread
    // (a slow drive can be cancelled). On failure or cancel nothing changes.
    bool setPath(const QString& directory);

    int listCount() const { return int(m_subfolders->names.size()); }
    int ancestorCount() const { return int(m_ancestors.size()); }
    // The full path of the entry at the index; an empty string outside the range.
    QString list(int index) const;
    // The entry's own name as shown (the root shows itself).
    QString displayName(int index) const;

private:
    FileSystem& m_fileSystem;
    PassRunner& m_passes;
    QString m_path;
    QStringList m_ancestors; // the root first, the open directory last
    struct Subfolders
    {
        NameList names;         // as read
        std::vector<int> order; // their positions in natural order
    };
    // Shared by copies: an addition's worker takes one, and a million names are slow to copy.
    std::shared_ptr<const Subfolders> m_subfolders = std::make_shared<const Subfolders>();
};
