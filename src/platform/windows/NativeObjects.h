#pragma once

#include "platform/NativePlatform.h"

#include "WindowsFileSystem.h"
#include "WindowsRegistry.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtPassRunner.h"
#include "platform/QtRecordFiles.h"
#include "platform/QtSettings.h"
#include "platform/QtShell.h"
#include "platform/RegistryViewer.h"

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
