#pragma once

#include <QString>

class FileSystem;
class MessageBoxes;
class Registry;
class Shell;

// Where the system-information viewer is recorded, in the order they are asked.
namespace SystemInfoPlaces {
inline const QString viewerPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString viewerPathValue = QStringLiteral("PATH");
inline const QString viewerFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString viewerFolderValue = QStringLiteral("MSINFO");
inline const QString viewerProgram = QStringLiteral("MSINFO32.EXE");
// Read access only (KEY_READ): a standard user may not write below HKEY_LOCAL_MACHINE, so
// asking for more would find the viewer for administrators only.
constexpr quint32 keyAccess = 0x20019;
} // namespace SystemInfoPlaces

// Reads one value: a string without its terminating zero, a 32-bit number in decimal. False,
// with an empty output, on any failure. The key is closed once on every path.
bool GetKeyValue(Registry& registry, quint32 root, const QString& keyPath, const QString& valueName,
                 QString& output);

// Starts the system-information viewer, or says that it is not available.
void StartSysInfo(Registry& registry, FileSystem& fileSystem, Shell& shell,
                  MessageBoxes& messageBoxes);
