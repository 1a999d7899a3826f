#include "platform/ChineseText.h"

#include <QCoreApplication>
#include <QDir>

#include <vector>

#include <windows.h>

using namespace Qt::StringLiterals;

// The dictionaries ship in opencc\ beside the program. OpenCC opens paths in the system's
// code page: a folder name it cannot hold (Chinese on a Western system) is given by its short
// name instead.
QByteArray ChineseConversionConfig(const char* name)
{
    const QString native = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) +
                           u"\\opencc\\"_s + QLatin1StringView(name) + u".json"_s;
    const QByteArray local = native.toLocal8Bit();
    if (QString::fromLocal8Bit(local) == native)
        return local;
    wchar_t shortPath[MAX_PATH];
    const DWORD length =
        ::GetShortPathNameW(reinterpret_cast<const wchar_t*>(native.utf16()), shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return local;
    return QString::fromWCharArray(shortPath, int(length)).toLocal8Bit();
}

// Shipped in pinyin\ beside the program.
QString PinyinDictionaryPath()
{
    return QCoreApplication::applicationDirPath() + u"/pinyin/terra_pinyin.dict.yaml"_s;
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

std::optional<QString> DecodedText(const QByteArray& bytes, TextEncoding encoding)
{
    if (bytes.isEmpty())
        return QString();
    // GB18030 itself where the system has it; else GBK, the code page Chinese Excel saves in.
    static const std::vector<UINT> codePages[] = {{CP_UTF8}, {54936u, 936u}, {950u}};
    for (const UINT codePage : codePages[int(encoding)]) {
        const int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(),
                                                 int(bytes.size()), nullptr, 0);
        if (length <= 0)
            continue;
        QString text(length, Qt::Uninitialized);
        ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()),
                              reinterpret_cast<wchar_t*>(text.data()), length);
        return text;
    }
    return std::nullopt;
}
