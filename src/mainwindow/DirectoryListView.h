#pragma once

#include <QTableView>

class QHeaderView;

// The directory list in report style: three fixed columns, rows selected whole, several at
// a time, never edited in place. Reports the right button going down anywhere over it and
// the row under a moving pointer.
//
// A table rather than a tree: a tree lays out every row again after each insertion, which
// holds the window tens of milliseconds once the list reaches hundreds of thousands of rows.
class DirectoryListView : public QTableView
{
    Q_OBJECT

public:
    explicit DirectoryListView(QWidget* parent = nullptr);

    QHeaderView* header() const;
    void setSelectionModel(QItemSelectionModel* selectionModel) override;

Q_SIGNALS:
    void rightButtonPressed(const QPoint& globalPosition);
    void contextMenuKeyPressed(const QPoint& globalPosition);
    void rowPointedAt(int row);

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = {}) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitRowHeightToText();
};
