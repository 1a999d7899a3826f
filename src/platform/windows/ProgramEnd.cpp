#include "platform/ProgramEnd.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

void EndProgram(int status)
{
    // The C++ runtime's teardown after main() can wait forever on the threads library's key
    // lock (winpthreads, when the last thread_local of Qt's goes), leaving a process with no
    // window that still holds the program's files. Nothing of ours is left to tear down.
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), UINT(status));
    std::exit(status); // only if the process could not be ended
}
