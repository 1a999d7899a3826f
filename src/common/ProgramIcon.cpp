#include "ProgramIcon.h"

using namespace Qt::StringLiterals;

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 256})
        icon.addFile(u":/icons/folder-batch-rename-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}
