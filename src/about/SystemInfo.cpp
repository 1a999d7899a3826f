#include "SystemInfo.h"

#include "common/AppInfo.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/SystemInfoViewer.h"

using namespace Qt::StringLiterals;

void StartSysInfo(SystemInfoViewer& viewer, Shell& shell, MessageBoxes& messageBoxes)
{
    const QString program = viewer.program();
    if (!program.isEmpty() && shell.startProgram(program))
        return;
    messageBoxes.notify(AppInfo::title, u"此时系统信息不可用"_s);
}
