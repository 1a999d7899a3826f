#pragma once

#include <QStyledItemDelegate>

// Draws a new name with the part that differs from the old one highlighted. The old name
// is the model's data under OldNameRole in the same row.
class ChangedPartDelegate : public QStyledItemDelegate
{
public:
    static constexpr int OldNameRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Where the new name differs from the old: the unchanged prefix's length and the length
    // of the changed part of the new name.
    static std::pair<qsizetype, qsizetype> ChangedPart(QStringView oldName, QStringView newName);
};
