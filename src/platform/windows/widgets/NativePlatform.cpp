#include "platform/widgets/NativePlatform.h"

#include "WindowsRegistry.h"
#include "common/AppInfo.h"
#include "platform/core/RegistryViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <windows.h>

#include <shellapi.h>

using namespace Qt::StringLiterals;

QStringList CommandLineArguments(int, char*[])
{
    // argv holds the ANSI code page's version of each argument: Chinese names outside it
    // would be lost.
    QStringList arguments;
    int count = 0;
    if (wchar_t** list = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.append(QString::fromWCharArray(list[i]));
        ::LocalFree(list);
    }
    return arguments;
}

QString LocalPathOfUrl(const QUrl& url)
{
    return QDir::toNativeSeparators(url.toLocalFile());
}

QString CanonicalPath(const QString& path)
{
    return QFileInfo(path).canonicalFilePath();
}

void PrintForTheUser(const QString& text, bool isError)
{
    // A program with windows has no console of its own: the one it was started from, if any.
    if (::AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE stream = ::GetStdHandle(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
        const std::wstring wide = text.toStdWString();
        DWORD written = 0;
        ::WriteConsoleW(stream, wide.c_str(), DWORD(wide.size()), &written, nullptr);
        ::FreeConsole();
        return;
    }
    ::MessageBoxW(nullptr, text.toStdWString().c_str(), AppInfo::title().toStdWString().c_str(),
                  MB_OK | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}

QStringList InterfaceFontFamilies(bool traditionalChinese)
{
    if (traditionalChinese)
        return {u"Microsoft JhengHei UI"_s, u"PMingLiU"_s, u"Microsoft YaHei UI"_s, u"SimSun"_s};
    return {u"Microsoft YaHei UI"_s, u"SimSun"_s};
}

bool SystemAppsAreDark()
{
    WindowsRegistry registry;
    QString lightTheme;
    return GetKeyValue(registry, Registry::CurrentUser,
                       u"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize"_s,
                       u"AppsUseLightTheme"_s, lightTheme) &&
           lightTheme == u"0"_s;
}
