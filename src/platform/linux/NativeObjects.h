#pragma once

#include "platform/NativePlatform.h"

#include "LinuxFileSystem.h"
#include "ViewerOnPath.h"
#include "platform/QtJournal.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtPassRunner.h"
#include "platform/QtSettings.h"
#include "platform/QtShell.h"

// What this platform works through.
struct NativePlatform::Objects
{
    LinuxFileSystem fileSystem;
    QtShell shell;
    QtMessageBoxes messageBoxes;
    QtJournal journal;
    QtPassRunner passes;
    QtSettings settings;
    ViewerOnPath viewer;
};
