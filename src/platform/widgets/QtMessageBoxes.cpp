#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString& title, const QString& text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

bool QtMessageBoxes::askYesNo(const QString& title, const QString& text)
{
    return show(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes;
}

void QtMessageBoxes::inform(const QString& title, const QString& text)
{
    show(QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageBoxes::notify(const QString& title, const QString& text)
{
    show(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QMessageBox::Ok);
}
