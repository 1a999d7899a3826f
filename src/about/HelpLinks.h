#pragma once

#include <QString>

// The maker's web pages that the Help menu opens.
namespace HelpLinks {
inline const QString makerSite = QStringLiteral("http://www.morvelsoft.com");
inline const QString secondSite = QStringLiteral("http://www.morvel.net");
inline const QString latestVersion = makerSite + QStringLiteral("/Quillor/");
inline const QString customSoftware = makerSite + QStringLiteral("/softmake.htm");
} // namespace HelpLinks
