#pragma once

class QApplication;

// What the program sets up before its first window: Qt's own texts in Chinese and a
// Chinese-capable 9-point interface font, the size the window layouts were designed for.
void SetUpApplication(QApplication& application);
