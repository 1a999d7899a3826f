#pragma once

#include <QDialog>

class QPushButton;

// A dialog of fixed size whose buttons answer only clicks and their own keys: no default
// button for Enter, no cancel for Esc. The close box still closes it.
class FixedDialog : public QDialog
{
    Q_OBJECT

public:
    FixedDialog(QWidget* parent, Qt::WindowFlags flags, QSize clientSize);

protected:
    QPushButton* addButton(const QString& objectName, const QString& caption, const QRect& place);
    void keyPressEvent(QKeyEvent* event) override;
};
