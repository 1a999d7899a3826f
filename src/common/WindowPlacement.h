#pragma once

class QWidget;

// Places the window in the middle of the screen's free area (the window manager may still
// have the last word).
void CentreOnScreen(QWidget& window);
