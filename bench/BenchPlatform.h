#pragma once

#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/QtJournal.h"
#include "platform/QtPassRunner.h"
#include "platform/QtShell.h"
#include "platform/Registry.h"

#include <QTemporaryDir>

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

// What a benchmark's window works through, over the given file system.
struct BenchPlatform
{
    explicit BenchPlatform(FileSystem& fileSystem)
        : platform{fileSystem, shell, messageBoxes, registry, journal, passes}
    {}

    QtShell shell;
    YesMessageBoxes messageBoxes;
    NoRegistry registry;
    QTemporaryDir journalFolder;
    QtJournal journal{journalFolder.filePath(QStringLiteral("records"))};
    QtPassRunner passes;
    Platform platform;
};
