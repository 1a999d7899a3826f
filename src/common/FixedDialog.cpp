#include "FixedDialog.h"

#include <QKeyEvent>
#include <QPushButton>

FixedDialog::FixedDialog(QWidget* parent, Qt::WindowFlags flags, QSize clientSize)
    : QDialog(parent,
              flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setFixedSize(clientSize);
}

QPushButton* FixedDialog::addButton(const QString& objectName, const QString& caption,
                                    const QRect& place)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(place);
    return button;
}

void FixedDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
