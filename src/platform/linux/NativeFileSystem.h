#pragma once

#include "LinuxFileSystem.h"

// The file system of the platform the program is built for.
using NativeFileSystem = LinuxFileSystem;
