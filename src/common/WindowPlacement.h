#pragma once

class QRect;
class QWidget;

// Places the window in the middle of the screen's free area (the window manager may still
// have the last word).
void CentreOnScreen(QWidget& window);

// Places the window where it was last left, when that is still on a screen; otherwise beside
// the other window (right of it, else left of it, else over it), within the screen.
void PlaceBeside(QWidget& window, const QWidget& other, const QRect& lastPlace);
