#pragma once

#include "Platform.h"

#include <QStringList>

#include <memory>

class QWidget;

// The platform objects of the system the program runs on, owned for the program's life.
// Each platform's folder implements this header.
class NativePlatform
{
public:
    NativePlatform();
    ~NativePlatform();

    Platform& platform() { return *m_platform; }

private:
    struct Objects;
    std::unique_ptr<Objects> m_objects;
    std::unique_ptr<Platform> m_platform;
};

// Closes the window, as its close box does, when the session asks the program to end, so
// that the program ends the way it always does.
void CloseWithTheSession(QWidget& window);

// The program's arguments, the program first, as the system handed them over: before any Qt
// application exists, which would take some of them for itself.
QStringList CommandLineArguments(int argc, char* argv[]);

// Text for whoever started the program from a terminal (on Windows, its console, or a message
// box when there is none), on the error stream when it reports an error.
void PrintForTheUser(const QString& text, bool isError);

// The interface font's families, most wanted first.
QStringList InterfaceFontFamilies();
