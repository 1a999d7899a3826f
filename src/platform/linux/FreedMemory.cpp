#include "platform/FreedMemory.h"

#include <malloc.h>

void ReturnFreedMemory()
{
#ifndef __SANITIZE_ADDRESS__
    // glibc keeps freed memory in each thread's arena; only this returns it from all of them.
    malloc_trim(0);
#endif
    // Under AddressSanitizer its own allocator holds the memory: glibc's arenas are not in use,
    // and trimming them from a worker while other threads allocate has crashed in mtrim.
}
