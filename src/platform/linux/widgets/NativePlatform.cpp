#include "platform/widgets/NativePlatform.h"

#include "common/NameBytes.h"

#include <QUrl>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

QStringList CommandLineArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(NameFromBytes(argv[i])); // names need not be UTF-8
    return arguments;
}

QString LocalPathOfUrl(const QUrl& url)
{
    return NameFromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QString CanonicalPath(const QString& path)
{
    char* resolved = ::realpath(BytesFromName(path).constData(), nullptr);
    if (!resolved)
        return {};
    QString canonical = NameFromBytes(resolved);
    std::free(resolved);
    return canonical;
}

void PrintForTheUser(const QString& text, bool isError)
{
    std::fputs(text.toLocal8Bit().constData(), isError ? stderr : stdout);
}

QStringList InterfaceFontFamilies(bool traditionalChinese)
{
    QStringList families{u"Noto Sans CJK SC"_s,   u"Noto Sans SC"_s,
                         u"Source Han Sans SC"_s, u"WenQuanYi Micro Hei"_s,
                         u"WenQuanYi Zen Hei"_s,  u"Droid Sans Fallback"_s};
    if (traditionalChinese)
        families = QStringList{u"Noto Sans CJK TC"_s, u"Noto Sans TC"_s, u"Source Han Sans TC"_s} +
                   families;
    return families;
}

bool SystemAppsAreDark()
{
    return false; // the desktop's platform theme hands Qt its palette, dark or light
}
