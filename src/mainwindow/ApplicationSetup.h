#pragma once

enum class InterfaceLanguage;
class QApplication;
class QCoreApplication;
class QPalette;

// The program's name and version.
void SetUpName(QCoreApplication& application);

// The program's texts and Qt's own in the language, the system's when it is FollowSystem.
// Before the first window: texts already shown stay as they are. Replaces the texts of an
// earlier call.
void UseLanguage(QCoreApplication& application, InterfaceLanguage language);

// What the program sets up before its first window: SetUpName() and a Chinese-capable
// 9-point interface font, the size the window layouts were designed for.
// Windows' dark app mode is followed with Qt's Fusion style and DarkPalette().
void SetUpApplication(QApplication& application);

QPalette DarkPalette();
