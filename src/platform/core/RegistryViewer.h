#pragma once

#include "platform/SystemInfoViewer.h"

class FileSystem;
class Registry;

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

// The viewer as the registry records it: the program's path if recorded (whether or not it can
// be started), else the recorded folder's program if that file is there.
class RegistryViewer : public SystemInfoViewer
{
public:
    RegistryViewer(Registry& registry, FileSystem& fileSystem)
        : m_registry(registry), m_fileSystem(fileSystem)
    {}

    QString program() override;

private:
    Registry& m_registry;
    FileSystem& m_fileSystem;
};
