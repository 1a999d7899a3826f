#pragma once

#include <QOperatingSystemVersion>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// True when the tests run as a Windows program, where a few expectations differ.
inline bool OnWindows()
{
    return QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows;
}

// The root of the file system that holds the temporary folders ("/", "C:\\").
QString fileSystemRoot();

// Folders a, b, c, … and every map of up to `folders` of them onto the first `names` letters
// (every shift, swap, cycle and merge): the new names, by folder. FBR_EXHAUSTIVE_FOLDERS and
// FBR_EXHAUSTIVE_NAMES (at most 5) ask for more.
const QStringList& MapLetters();
std::vector<QStringList> ExhaustiveMaps(int folders, int names);

// A directory tree in a temporary folder, removed with the object.
class TestTree
{
public:
    TestTree();

    // The tree's root, in the platform's own form, without a trailing separator.
    QString root() const;
    // root(), a separator, the relative path ("a/b") in the platform's own form.
    QString path(const QString& relative) const;

    // Creates the folders (and their parents) given relative to the root.
    void makeFolders(const QStringList& relatives) const;
    void makeFile(const QString& relative) const;
    bool isFolder(const QString& relative) const;
    // A symbolic link at the relative path to the folder there, where the platform has them
    // for programs that are not elevated; false elsewhere.
    bool link(const QString& target, const QString& relative) const;
    // The names in the folder, sorted.
    QStringList entries(const QString& relative = {}) const;

private:
    QTemporaryDir m_dir;
};
