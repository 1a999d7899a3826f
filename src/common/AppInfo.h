#pragma once

#include <QString>

// The program's name and version, as the windows and message boxes show them.
namespace AppInfo {

inline const QString title = QStringLiteral("Morvel文件夹名称批量修改");

inline constexpr int versionMajor = 1;
inline constexpr int versionMinor = 0;
inline constexpr int versionRevision = 0;

// "Morvel文件夹名称批量修改 V1.0": major and minor only, each without leading zeros.
QString mainWindowTitle();

// "1.0.0"
QString versionString();

} // namespace AppInfo
