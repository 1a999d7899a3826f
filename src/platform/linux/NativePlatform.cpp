#include "platform/NativePlatform.h"

#include <cstdio>

using namespace Qt::StringLiterals;

QStringList CommandLineArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void PrintForTheUser(const QString& text, bool isError)
{
    std::fputs(text.toLocal8Bit().constData(), isError ? stderr : stdout);
}

QStringList InterfaceFontFamilies()
{
    return {u"Noto Sans CJK SC"_s,    u"Noto Sans SC"_s,      u"Source Han Sans SC"_s,
            u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s, u"Droid Sans Fallback"_s};
}
