#pragma once

#include "platform/Platform.h"

#include <QStringList>

#include <memory>

class QUrl;
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

// The path of a local file's URL, in this system's form; on Linux with the name's exact bytes,
// which need not be UTF-8.
QString LocalPathOfUrl(const QUrl& url);

// The path with every link followed and no "." or "..", as the system reads it; empty when
// it cannot be read.
QString CanonicalPath(const QString& path);

// Text for whoever started the program from a terminal (on Windows, its console, or a message
// box when there is none), on the error stream when it reports an error.
void PrintForTheUser(const QString& text, bool isError);

// The interface font's families, most wanted first: Traditional Chinese ones first for that
// language, whose characters take their own shapes there.
QStringList InterfaceFontFamilies(bool traditionalChinese = false);

// Whether the user asked the system for dark windows in programs (Windows' "dark" app mode);
// false where the desktop's own theme gives Qt its colours.
bool SystemAppsAreDark();
