#include "SystemInfo.h"

#include "common/AppInfo.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PathJoin.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype valueBufferSize = 1024;
}

bool GetKeyValue(Registry& registry, quint32 root, const QString& keyPath, const QString& valueName,
                 QString& output)
{
    Registry::Handle key = 0;
    const auto fail = [&] {
        output.clear();
        registry.closeKey(key);
        return false;
    };
    if (registry.openKey(root, keyPath, SystemInfoPlaces::keyAccess, key) != 0)
        return fail();

    QByteArray buffer(valueBufferSize, '\0');
    quint32 type = 0;
    quint32 size = quint32(valueBufferSize);
    if (registry.queryValue(key, valueName, buffer, type, size) != 0)
        return fail();

    QByteArray bytes = buffer.left(qMin(qsizetype(size), valueBufferSize));
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    if (type == Registry::TypeString)
        output = QString::fromUtf8(bytes); // the registries hand strings over as UTF-8
    else if (type == Registry::TypeNumber)
        output = QString::number(qFromLittleEndian<qint32>(buffer.constData()));
    registry.closeKey(key);
    return true;
}

void StartSysInfo(Registry& registry, FileSystem& fileSystem, Shell& shell,
                  MessageBoxes& messageBoxes)
{
    QString program;
    QString folder;
    if (GetKeyValue(registry, Registry::LocalMachine, SystemInfoPlaces::viewerPathKey,
                    SystemInfoPlaces::viewerPathValue, program)) {
        if (shell.startProgram(program))
            return;
    } else if (GetKeyValue(registry, Registry::LocalMachine, SystemInfoPlaces::viewerFolderKey,
                           SystemInfoPlaces::viewerFolderValue, folder)) {
        program = JoinPath(folder, SystemInfoPlaces::viewerProgram);
        if (fileSystem.fileExists(program) && shell.startProgram(program))
            return;
    }
    messageBoxes.notify(AppInfo::title, u"此时系统信息不可用"_s);
}
