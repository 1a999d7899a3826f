#pragma once

#include "PosixFileSystem.h"

// The file system of the platform the program is built for.
using NativeFileSystem = PosixFileSystem;
