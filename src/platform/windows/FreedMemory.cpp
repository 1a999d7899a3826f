#include "platform/FreedMemory.h"

#include <malloc.h>

void ReturnFreedMemory()
{
    _heapmin();
}
