// The C runtime's heap gives its unused pages back on request.
#include "freed_memory.h"

#include <malloc.h>

void returnFreedMemory()
{
    _heapmin();
}

void returnLargeBlocksAtOnce()
{
    // The Windows heap maps large blocks apart and frees them at once as it is.
}
