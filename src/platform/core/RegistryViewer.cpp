#include "RegistryViewer.h"

#include "platform/FileSystem.h"
#include "platform/PathJoin.h"
#include "platform/Registry.h"

#include <QtEndian>

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

QString RegistryViewer::program()
{
    QString program;
    if (GetKeyValue(m_registry, Registry::LocalMachine, SystemInfoPlaces::viewerPathKey,
                    SystemInfoPlaces::viewerPathValue, program))
        return program;
    QString folder;
    if (GetKeyValue(m_registry, Registry::LocalMachine, SystemInfoPlaces::viewerFolderKey,
                    SystemInfoPlaces::viewerFolderValue, folder)) {
        program = JoinPath(folder, SystemInfoPlaces::viewerProgram);
        if (m_fileSystem.fileExists(program))
            return program;
    }
    return {};
}
