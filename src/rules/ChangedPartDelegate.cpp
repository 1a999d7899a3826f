#include "ChangedPartDelegate.h"

#include <QApplication>
#include <QPainter>

std::pair<qsizetype, qsizetype> ChangedPartDelegate::ChangedPart(QStringView oldName,
                                                                 QStringView newName)
{
    const qsizetype shorter = std::min(oldName.size(), newName.size());
    qsizetype prefix = 0;
    while (prefix < shorter && oldName[prefix] == newName[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           oldName[oldName.size() - 1 - suffix] == newName[newName.size() - 1 - suffix])
        ++suffix;
    return {prefix, newName.size() - prefix - suffix};
}

void ChangedPartDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString newName = item.text; // the name shown: in an old name's column, the old one
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const auto [prefix, changed] = ChangedPart(index.data(OtherNameRole).toString(), newName);
    const QRect text =
        style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(3, 0, -3, 0);
    const QFontMetrics metrics(item.font);
    const int start = text.left() + metrics.horizontalAdvance(newName.left(prefix));
    const int width = metrics.horizontalAdvance(newName.sliced(prefix, changed));
    painter->save();
    const bool removed = m_shows == Shows::OldName;
    if (changed > 0 && !removed) {
        // A pale mark under dark text, a deep one under light text.
        const QColor highlight = option.palette.color(QPalette::Highlight);
        const bool darkText = option.palette.color(QPalette::Text).lightness() < 128;
        painter->fillRect(QRect(start, text.top() + 2, width, text.height() - 4),
                          darkText ? highlight.lighter(170) : highlight.darker(160));
    }
    painter->setPen(option.palette.color(
        option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(newName, Qt::ElideRight, text.width()));
    if (changed > 0 && removed) {
        const int middle = text.center().y() + 1;
        painter->drawLine(start, middle, std::min(start + width, text.right()), middle);
    }
    painter->restore();
}
