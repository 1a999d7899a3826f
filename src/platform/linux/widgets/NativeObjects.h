#pragma once

#include "platform/widgets/NativePlatform.h"

#include "LinuxFileSystem.h"
#include "ViewerOnPath.h"
#include "platform/core/QtRecordFiles.h"
#include "platform/core/QtSettings.h"
#include "platform/widgets/QtMessageBoxes.h"
#include "platform/widgets/QtPassRunner.h"
#include "platform/widgets/QtShell.h"

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
