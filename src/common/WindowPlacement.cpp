#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <QStyle>
#include <QWidget>
#include <algorithm>

void CentreOnScreen(QWidget& window)
{
    window.adjustSize();
    if (const QScreen* screen = window.screen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
}

void PlaceBeside(QWidget& window, const QWidget& other, const QRect& lastPlace)
{
    if (lastPlace.isValid()) {
        if (const QScreen* screen = QGuiApplication::screenAt(lastPlace.center())) {
            if (screen->availableGeometry().intersects(lastPlace)) {
                window.setGeometry(lastPlace);
                return;
            }
        }
    }
    const QScreen* screen = other.screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QRect beside = other.frameGeometry();
    constexpr int gap = 8;
    QRect place(QPoint(beside.right() + gap, beside.top()), window.size());
    if (place.right() > free.right())
        place.moveRight(beside.left() - gap);
    if (place.left() < free.left())
        place.moveLeft(free.left() + std::max(0, (free.width() - place.width()) / 2));
    place.moveTop(
        std::clamp(place.top(), free.top(), std::max(free.top(), free.bottom() - place.height())));
    window.move(place.topLeft());
}
