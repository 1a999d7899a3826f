#pragma once

#include <QString>

// The program's name and version, as the windows and message boxes show them.
namespace AppInfo {

// The program's own name, in no language but its own: the settings' place and the records'
// header are named by it.
inline const QString programName = QStringLiteral("Morvel文件夹名称批量修改");

// The name as the interface shows it, in its language.
QString title();

// From the project's version in CMakeLists.txt.
inline constexpr int versionMajor = FBR_VERSION_MAJOR;
inline constexpr int versionMinor = FBR_VERSION_MINOR;
inline constexpr int versionRevision = FBR_VERSION_PATCH;

// "Morvel文件夹名称批量修改 V1.0": major and minor only, each without leading zeros.
QString mainWindowTitle();

// "1.0.0"
QString versionString();

} // namespace AppInfo
