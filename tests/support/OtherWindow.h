#pragma once

#include "TestPlatform.h"
#include "mainwindow/Form1.h"
#include "platform/QtJournal.h"

// Another window of the program (another process, as far as the records go), with a journal
// of its own over the same records folder.
struct OtherWindow
{
    explicit OtherWindow(TestPlatform& test)
        : journal(test.journal.folder()), platform{test.fileSystem, test.shell, test.messageBoxes,
                                                   test.viewer,     journal,    test.passes,
                                                   test.settings},
          window(platform)
    {}

    QtJournal journal;
    Platform platform;
    Form1 window;
};
