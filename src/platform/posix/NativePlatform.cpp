#include "platform/NativePlatform.h"

using namespace Qt::StringLiterals;

QStringList InterfaceFontFamilies()
{
    return {u"Noto Sans CJK SC"_s,    u"Noto Sans SC"_s,      u"Source Han Sans SC"_s,
            u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s, u"Droid Sans Fallback"_s};
}
