#include "DirectoryListView.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace {
// More rows than any screen shows.
constexpr int visibleRowsEnough = 512;

// The focus frames the whole current row (see paintEvent), not one of its cells.
class RowFocusDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};
} // namespace

DirectoryListView::DirectoryListView(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new RowFocusDelegate(this));
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false); // Tab leaves the list, as in any other list
    setHorizontalScrollMode(ScrollPerPixel);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setSortingEnabled(false);
    setMouseTracking(true);
    setTextElideMode(Qt::ElideMiddle); // what a rule adds at the end stays visible
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    fitRowHeightToText();
    QHeaderView* columns = horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setSectionsClickable(false);
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    columns->setDefaultSectionSize(200);
    columns->setMinimumSectionSize(20);
}

QHeaderView* DirectoryListView::header() const
{
    return horizontalHeader();
}

void DirectoryListView::setSelectionModel(QItemSelectionModel* selectionModel)
{
    QTableView::setSelectionModel(selectionModel);
    // The column headers never show the selection, yet with the rows' selection they would
    // ask, at every repaint, whether a whole column is selected: a walk down every row.
    horizontalHeader()->setSelectionModel(new QItemSelectionModel(model(), selectionModel));
}

void DirectoryListView::fitRowHeightToText()
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = tr("目录");
    const QSize cell = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, {}, this);
    verticalHeader()->setDefaultSectionSize(cell.height());
}

void DirectoryListView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitRowHeightToText();
}

void DirectoryListView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !hasFocus())
        return;
    const int top = rowViewportPosition(current.row());
    const int height = rowHeight(current.row());
    if (top + height < 0 || top > viewport()->height())
        return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = QRect(-horizontalOffset(), top, horizontalHeader()->length(), height);
    focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    focus.backgroundColor = palette().color(
        selectionModel()->isSelected(current) ? QPalette::Highlight : QPalette::Base);
    QPainter painter(viewport());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
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
    QTableView::dataChanged(topLeft, bottomRight, roles);
}

bool DirectoryListView::edit(const QModelIndex&, EditTrigger, QEvent*)
{
    return false; // every in-place edit is refused
}

void DirectoryListView::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        Q_EMIT rightButtonPressed(event->globalPosition().toPoint());
}

void DirectoryListView::mouseMoveEvent(QMouseEvent* event)
{
    QTableView::mouseMoveEvent(event);
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
