// glibc raises its threshold for mapping a block apart each time it frees a mapped one; other
// C libraries keep to theirs.
#include "platform/freed_memory.h"

// Any C library header says whether this is glibc; without one, __GLIBC__ is never defined.
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void returnLargeBlocksAtOnce()
{
#ifdef __GLIBC__
    // glibc's own starting threshold; setting it at all keeps it from rising.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}
