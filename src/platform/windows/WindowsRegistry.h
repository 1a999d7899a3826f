#pragma once

#include "platform/Registry.h"

// The Windows registry, through the wide-character functions. Strings come back as UTF-8,
// with their terminating zero, so that any path survives.
class WindowsRegistry : public Registry
{
public:
    long openKey(quint32 root, const QString& keyPath, quint32 access, Handle& key) override;
    long queryValue(Handle key, const QString& valueName, QByteArray& buffer, quint32& type,
                    quint32& size) override;
    void closeKey(Handle key) override;
};
