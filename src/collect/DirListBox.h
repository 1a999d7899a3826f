#pragma once

#include "DirectoryListing.h"

#include <QListView>

class DirListBoxModel;

// A directory list box: the ancestors of the open directory from the root down, each indented
// one step further, then its subdirectories one step deeper. A single click (or Enter) on an
// entry opens it. Indices are those of DirectoryListing.
class DirListBox : public QListView
{
    Q_OBJECT

public:
    DirListBox(FileSystem& fileSystem, PassRunner& passes, QWidget* parent = nullptr);
    ~DirListBox() override;

    QString Path() const { return m_listing.path(); }
    // Opens the directory; false, and nothing changes, when it cannot be read.
    bool setPath(const QString& directory);
    int ListCount() const { return m_listing.listCount(); }
    QString List(int index) const { return m_listing.list(index); }
    // The highlighted entry; -1, the open directory, right after Path changes.
    int ListIndex() const;
    void setListIndex(int index);

    const DirectoryListing& listing() const { return m_listing; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openEntryAt(const QModelIndex& index);
    int rowOf(int listIndex) const { return listIndex + m_listing.ancestorCount(); }

    DirectoryListing m_listing;
    DirListBoxModel* m_model = nullptr;
};
