#include "platform/core/GatheredStarts.h"

#include <QStandardPaths>

#include <windows.h>

using namespace Qt::StringLiterals;

// The user's temporary folder, one per logon session: two logons of one user (a remote desktop
// beside the console) are two users' worth of windows.
QString GatheredStarts::defaultFolder()
{
    DWORD session = 0;
    ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
           u"/folder-batch-rename-starts-"_s + QString::number(session);
}
