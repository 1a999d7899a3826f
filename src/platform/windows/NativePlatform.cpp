#include "platform/NativePlatform.h"

using namespace Qt::StringLiterals;

QStringList InterfaceFontFamilies()
{
    return {u"Microsoft YaHei UI"_s, u"SimSun"_s};
}
