#include "platform/FreedMemory.h"

#include <malloc.h>

void ReturnFreedMemory()
{
    // glibc keeps freed memory in each thread's arena; only this returns it from all of them.
    malloc_trim(0);
}
