#pragma once

#include "platform/Registry.h"

#include <QStringList>

// Linux keeps no registry. This one answers the single question the About box asks: where
// the system-information viewer is. It knows the viewer's path when one of a few known
// viewers is installed on the executable search path, and nothing else.
class LinuxRegistry : public Registry
{
public:
    static const QString ViewerKey;
    static const QString ViewerValue;

    explicit LinuxRegistry(QStringList viewerNames = defaultViewerNames());

    long openKey(quint32 root, const QString& keyPath, quint32 access, Handle& key) override;
    long queryValue(Handle key, const QString& valueName, QByteArray& buffer, quint32& type,
                    quint32& size) override;
    void closeKey(Handle key) override;

    static QStringList defaultViewerNames();

private:
    static constexpr Handle ViewerKeyHandle = 1;
    QStringList m_viewerNames;
    QString m_viewerPath;
};
