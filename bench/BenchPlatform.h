#pragma once

#include "platform/MessageBoxes.h"
#include "platform/Registry.h"

// Says yes to every question, as a user who wants the work done.
class YesMessageBoxes : public MessageBoxes
{
public:
    bool askYesNo(const QString&, const QString&) override { return true; }
    void inform(const QString&, const QString&) override {}
    void notify(const QString&, const QString&) override {}
};

class NoRegistry : public Registry
{
public:
    long openKey(quint32, const QString&, quint32, Handle& key) override
    {
        key = 0;
        return ErrorNotFound;
    }
    long queryValue(Handle, const QString&, QByteArray&, quint32&, quint32&) override
    {
        return ErrorNotFound;
    }
    void closeKey(Handle) override {}
};
