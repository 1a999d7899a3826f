#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A directory tree in a temporary folder, removed with the object.
class TestTree
{
public:
    TestTree();

    // The tree's root, without a trailing separator.
    QString root() const { return m_dir.path(); }
    // root() + "/" + relative
    QString path(const QString& relative) const;

    // Creates the folders (and their parents) given relative to the root.
    void makeFolders(const QStringList& relatives) const;
    void makeFile(const QString& relative) const;
    bool isFolder(const QString& relative) const;
    // The names in the folder, sorted.
    QStringList entries(const QString& relative = {}) const;

private:
    QTemporaryDir m_dir;
};
