#include "SystemInfo.h"

#include <QCoreApplication>

#include "common/AppInfo.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/SystemInfoViewer.h"

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SystemInfo)
};

} // namespace

void StartSysInfo(SystemInfoViewer& viewer, Shell& shell, MessageBoxes& messageBoxes)
{
    const QString program = viewer.program();
    if (!program.isEmpty() && shell.startProgram(program))
        return;
    messageBoxes.notify(AppInfo::title(), Texts::tr("此时系统信息不可用"));
}
