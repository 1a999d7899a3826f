#include "DirectoryListView.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace {
// More rows than any screen shows.
constexpr int visibleRowsEnough = 512;
} // namespace

DirectoryListView::DirectoryListView(QWidget* parent) : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setSortingEnabled(false);
    setMouseTracking(true);
    setTextElideMode(Qt::ElideMiddle); // what a rule adds at the end stays visible
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setDefaultSectionSize(200);
    header()->setMinimumSectionSize(20);
}

void DirectoryListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                    const QList<int>& roles)
{
    // A pass over all rows reports them in one range. Working out which part of it is on
    // screen costs a geometry lookup per row; repainting what is visible costs nothing.
    if (bottomRight.row() - topLeft.row() > visibleRowsEnough) {
        viewport()->update();
        if (QAccessible::isActive()) {
            QAccessibleTableModelChangeEvent event(this,
                                                   QAccessibleTableModelChangeEvent::DataChanged);
            event.setFirstRow(topLeft.row());
            event.setFirstColumn(topLeft.column());
            event.setLastRow(bottomRight.row());
            event.setLastColumn(bottomRight.column());
            QAccessible::updateAccessibility(&event);
        }
        return;
    }
    QTreeView::dataChanged(topLeft, bottomRight, roles);
}

bool DirectoryListView::edit(const QModelIndex&, EditTrigger, QEvent*)
{
    return false; // every in-place edit is refused
}

void DirectoryListView::mousePressEvent(QMouseEvent* event)
{
    QTreeView::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        Q_EMIT rightButtonPressed(event->globalPosition().toPoint());
}

void DirectoryListView::mouseMoveEvent(QMouseEvent* event)
{
    QTreeView::mouseMoveEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        Q_EMIT rowPointedAt(index.row());
}

void DirectoryListView::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's menu came with the button press; the keyboard's menu key comes here.
    if (event->reason() != QContextMenuEvent::Mouse) {
        const QRect current = visualRect(currentIndex());
        const QPoint local = current.isValid() ? current.center() : QPoint(4, 4);
        Q_EMIT contextMenuKeyPressed(viewport()->mapToGlobal(local));
    }
    event->accept();
}
