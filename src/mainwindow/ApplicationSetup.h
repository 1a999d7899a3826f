#pragma once

class QApplication;
class QCoreApplication;
class QPalette;

// The program's name and version, and Qt's own texts in Chinese whatever the system's language.
void SetUpNameAndTexts(QCoreApplication& application);

// What the program sets up before its first window: SetUpNameAndTexts() and a
// Chinese-capable 9-point interface font, the size the window layouts were designed for.
// Windows' dark app mode is followed with Qt's Fusion style and DarkPalette().
void SetUpApplication(QApplication& application);

QPalette DarkPalette();
