#include "WindowsRegistry.h"

#include <cstring>
#include <vector>

#include <windows.h>

namespace {

// Root values are the predefined keys' numbers, which Windows sign-extends into a handle.
HKEY rootKey(quint32 root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

} // namespace

long WindowsRegistry::openKey(quint32 root, const QString& keyPath, quint32 access, Handle& key)
{
    HKEY opened = nullptr;
    const LONG result =
        ::RegOpenKeyExW(rootKey(root), keyPath.toStdWString().c_str(), 0, access, &opened);
    key = result == ERROR_SUCCESS ? reinterpret_cast<Handle>(opened) : 0;
    return result;
}

long WindowsRegistry::queryValue(Handle key, const QString& valueName, QByteArray& buffer,
                                 quint32& type, quint32& size)
{
    const std::wstring name = valueName.toStdWString();
    DWORD valueType = 0;
    DWORD bytes = 0;
    LONG result = ::RegQueryValueExW(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, &valueType,
                                     nullptr, &bytes);
    if (result != ERROR_SUCCESS)
        return result;
    std::vector<BYTE> data(bytes + sizeof(wchar_t), 0);
    result = ::RegQueryValueExW(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, &valueType,
                                data.data(), &bytes);
    if (result != ERROR_SUCCESS)
        return result;

    QByteArray value;
    if (valueType == REG_SZ || valueType == REG_EXPAND_SZ) {
        QString text = QString::fromWCharArray(reinterpret_cast<const wchar_t*>(data.data()),
                                               int(bytes / sizeof(wchar_t)));
        while (text.endsWith(QChar(u'\0')))
            text.chop(1);
        value = text.toUtf8();
        value.append('\0');
    } else {
        value = QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(bytes));
    }
    if (value.size() > qsizetype(size) || value.size() > buffer.size())
        return ERROR_MORE_DATA;
    std::memcpy(buffer.data(), value.constData(), size_t(value.size()));
    type = valueType;
    size = quint32(value.size());
    return ERROR_SUCCESS;
}

void WindowsRegistry::closeKey(Handle key)
{
    if (key != 0)
        ::RegCloseKey(reinterpret_cast<HKEY>(key));
}
