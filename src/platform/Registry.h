#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// A system settings store in the manner of a registry: keys under a root, typed values.
// Results are 0 for success and a non-zero code otherwise.
class Registry
{
public:
    using Handle = quintptr;

    static constexpr quint32 CurrentUser = 0x80000001;
    static constexpr quint32 LocalMachine = 0x80000002;
    static constexpr quint32 TypeString = 1;
    static constexpr quint32 TypeNumber = 4;
    static constexpr long ErrorNotFound = 2;
    static constexpr long ErrorMoreData = 234;

    virtual ~Registry() = default;

    virtual long openKey(quint32 root, const QString& keyPath, quint32 access, Handle& key) = 0;
    // Fills buffer (of buffer.size() bytes) with the value; size is its capacity on entry and
    // the number of bytes written on return, a string's terminating zero included.
    virtual long queryValue(Handle key, const QString& valueName, QByteArray& buffer, quint32& type,
                            quint32& size) = 0;
    virtual void closeKey(Handle key) = 0;
};
