#include "platform/ProgramEnd.h"

#include <cstdlib>

void EndProgram(int status)
{
    std::exit(status);
}
