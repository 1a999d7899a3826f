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

// The interface font's families, most wanted first.
QStringList InterfaceFontFamilies();
