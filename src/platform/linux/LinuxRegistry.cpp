#include "LinuxRegistry.h"

#include <QFile>
#include <QStandardPaths>

#include <cstring>

using namespace Qt::StringLiterals;

const QString LinuxRegistry::ViewerKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s;
const QString LinuxRegistry::ViewerValue = u"PATH"_s;

LinuxRegistry::LinuxRegistry(QStringList viewerNames) : m_viewerNames(std::move(viewerNames)) {}

QStringList LinuxRegistry::defaultViewerNames()
{
    return {u"hardinfo2"_s, u"hardinfo"_s, u"kinfocenter"_s, u"gnome-system-monitor"_s};
}

long LinuxRegistry::openKey(quint32 root, const QString& keyPath, quint32, Handle& key)
{
    key = 0;
    if (root != LocalMachine || keyPath.compare(ViewerKey, Qt::CaseInsensitive) != 0)
        return ErrorNotFound;
    // Looked up at every opening: a viewer may have been installed meanwhile.
    m_viewerPath.clear();
    for (const QString& name : std::as_const(m_viewerNames)) {
        m_viewerPath = QStandardPaths::findExecutable(name);
        if (!m_viewerPath.isEmpty())
            break;
    }
    if (m_viewerPath.isEmpty())
        return ErrorNotFound;
    key = ViewerKeyHandle;
    return 0;
}

long LinuxRegistry::queryValue(Handle key, const QString& valueName, QByteArray& buffer,
                               quint32& type, quint32& size)
{
    if (key != ViewerKeyHandle || valueName.compare(ViewerValue, Qt::CaseInsensitive) != 0)
        return ErrorNotFound;
    QByteArray value = QFile::encodeName(m_viewerPath);
    value.append('\0');
    if (value.size() > qsizetype(size) || value.size() > buffer.size())
        return ErrorMoreData;
    std::memcpy(buffer.data(), value.constData(), size_t(value.size()));
    type = TypeString;
    size = quint32(value.size());
    return 0;
}

void LinuxRegistry::closeKey(Handle) {}
