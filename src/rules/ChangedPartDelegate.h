#pragma once

#include <QStyledItemDelegate>

// Draws a name with the part that differs from the other name of its row marked: in a new
// name what was added, with a coloured ground; in an old name what was taken out, struck
// through. The other name is the model's data under OtherNameRole.
class ChangedPartDelegate : public QStyledItemDelegate
{
public:
    static constexpr int OtherNameRole = Qt::UserRole + 1;
    enum class Shows { NewName, OldName };

    explicit ChangedPartDelegate(Shows shows, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), m_shows(shows)
    {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Where the new name differs from the old: the unchanged prefix's length and the length
    // of the changed part of the new name.
    static std::pair<qsizetype, qsizetype> ChangedPart(QStringView oldName, QStringView newName);

private:
    Shows m_shows;
};
