#include "platform/ChineseText.h"

#include <QCoreApplication>

#include <windows.h>

using namespace Qt::StringLiterals;

// The dictionaries ship in opencc\ beside the program. OpenCC opens paths in the system's
// code page, which holds the installation folder's name on a Chinese system.
QByteArray ChineseConversionConfig(const char* name)
{
    return (QCoreApplication::applicationDirPath() + u"/opencc/"_s + QLatin1StringView(name) +
            u".json"_s)
        .toLocal8Bit();
}

QByteArray GbkBytes(QStringView character)
{
    constexpr UINT gbk = 936;
    const auto* wide = reinterpret_cast<const wchar_t*>(character.utf16());
    BOOL defaulted = FALSE;
    char bytes[8] = {};
    const int written =
        ::WideCharToMultiByte(gbk, WC_NO_BEST_FIT_CHARS, wide, int(character.size()), bytes,
                              int(sizeof bytes), nullptr, &defaulted);
    return written > 0 && !defaulted ? QByteArray(bytes, written) : QByteArray();
}
