#pragma once

#include "platform/NativePlatform.h"

#include "LinuxFileSystem.h"
#include "ViewerOnPath.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtPassRunner.h"
#include "platform/QtRecordFiles.h"
#include "platform/QtSettings.h"
#include "platform/QtShell.h"

// What this platform works through.
struct NativePlatform::Objects
{
    LinuxFileSystem fileSystem;
    QtShell shell;
    QtMessageBoxes messageBoxes;
    QtRecordFiles recordFiles;
    QtPassRunner passes;
    QtSettings settings;
    ViewerOnPath viewer;
};
