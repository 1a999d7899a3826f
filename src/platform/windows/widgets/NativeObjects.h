#pragma once

#include "platform/widgets/NativePlatform.h"

#include "WindowsFileSystem.h"
#include "WindowsRegistry.h"
#include "platform/core/QtRecordFiles.h"
#include "platform/core/QtSettings.h"
#include "platform/core/RegistryViewer.h"
#include "platform/widgets/QtMessageBoxes.h"
#include "platform/widgets/QtPassRunner.h"
#include "platform/widgets/QtShell.h"

// What this platform works through.
struct NativePlatform::Objects
{
    WindowsFileSystem fileSystem;
    QtShell shell;
    QtMessageBoxes messageBoxes;
    QtRecordFiles recordFiles;
    QtPassRunner passes;
    QtSettings settings;
    WindowsRegistry registry;
    RegistryViewer viewer{registry, fileSystem};
};
