#pragma once

#include "WindowsFileSystem.h"

// The file system of the platform the program is built for.
using NativeFileSystem = WindowsFileSystem;
