#include "WindowPlacement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

void CentreOnScreen(QWidget& window)
{
    window.adjustSize();
    if (const QScreen* screen = window.screen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
}
