#pragma once

#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/QtJournal.h"
#include "platform/QtPassRunner.h"
#include "platform/QtShell.h"
#include "platform/SystemInfoViewer.h"

#include <QTemporaryDir>

// Says yes to every question, as a user who wants the work done.
class YesMessageBoxes : public MessageBoxes
{
public:
    bool askYesNo(const QString&, const QString&) override { return true; }
    void inform(const QString&, const QString&) override {}
    void notify(const QString&, const QString&) override {}
};

class NoViewer : public SystemInfoViewer
{
public:
    QString program() override { return {}; }
};

// What a benchmark's window works through, over the given file system.
struct BenchPlatform
{
    explicit BenchPlatform(FileSystem& fileSystem)
        : platform{fileSystem, shell, messageBoxes, viewer, journal, passes}
    {}

    QtShell shell;
    YesMessageBoxes messageBoxes;
    NoViewer viewer;
    QTemporaryDir journalFolder;
    QtJournal journal{journalFolder.filePath(QStringLiteral("records"))};
    QtPassRunner passes;
    Platform platform;
};
