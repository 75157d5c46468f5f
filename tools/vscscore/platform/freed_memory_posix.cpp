// glibc keeps freed memory inside its heap until asked; other C libraries give it back or not
// on their own.
#include "freed_memory.h"

// Any C library header says whether this is glibc; without one, __GLIBC__ is never defined.
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void returnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void returnLargeBlocksAtOnce()
{
#ifdef __GLIBC__
    // glibc's own starting threshold; setting it at all keeps it from rising.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}
