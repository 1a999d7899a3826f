#include "DirListBox.h"

#include "common/NameBytes.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int indentStep = 10;
constexpr int DepthRole = Qt::UserRole + 1;

// Shifts each entry right by its depth in the tree.
class IndentingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + indentOf(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
    }

private:
    static int indentOf(const QModelIndex& index)
    {
        return index.data(DepthRole).toInt() * indentStep;
    }
};

} // namespace

// The listing's entries as rows: ancestors first, then subdirectories.
class DirListBoxModel : public QAbstractListModel
{
public:
    DirListBoxModel(const DirectoryListing& listing, QObject* parent)
        : QAbstractListModel(parent), m_listing(listing),
          m_closedFolder(QApplication::style()->standardIcon(QStyle::SP_DirIcon)),
          m_openFolder(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon))
    {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_listing.ancestorCount() + m_listing.listCount();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const int listIndex = index.row() - m_listing.ancestorCount();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return VisibleName(m_listing.displayName(listIndex));
        case Qt::ToolTipRole:
            return VisibleName(m_listing.list(listIndex));
        case Qt::DecorationRole:
            return listIndex < 0 ? m_openFolder : m_closedFolder;
        case DepthRole:
            return listIndex < 0 ? index.row() : m_listing.ancestorCount();
        default:
            return {};
        }
    }

    void reload()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const DirectoryListing& m_listing;
    QIcon m_closedFolder;
    QIcon m_openFolder;
};

DirListBox::DirListBox(FileSystem& fileSystem, PassRunner& passes, QWidget* parent)
    : QListView(parent), m_listing(fileSystem, passes),
      m_model(new DirListBoxModel(m_listing, this))
{
    setModel(m_model);
    setItemDelegate(new IndentingDelegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setUniformItemSizes(true);
    // A folder of a million subfolders is laid out a part at a time, between other events, not
    // in one go that would hold the window.
    setLayoutMode(Batched);
    setBatchSize(20000);
    setIconSize(QSize(16, 16));
    connect(this, &QListView::clicked, this, &DirListBox::openEntryAt);
}

DirListBox::~DirListBox()
{
    // The model reads the listing, a member that dies before the view's children do.
    delete m_model;
}

bool DirListBox::setPath(const QString& directory)
{
    if (!m_listing.setPath(directory))
        return false;
    m_model->reload();
    setListIndex(-1);
    return true;
}

int DirListBox::ListIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() - m_listing.ancestorCount() : -1;
}

void DirListBox::setListIndex(int index)
{
    const QModelIndex entry = m_model->index(rowOf(index), 0);
    setCurrentIndex(entry);
    scrollTo(entry);
}

void DirListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        openEntryAt(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}

void DirListBox::openEntryAt(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    // An entry that can no longer be opened leaves the box on its directory.
    const QString entry = List(index.row() - m_listing.ancestorCount());
    if (!setPath(entry))
        setListIndex(-1);
}
