// glibc's own count of the bytes handed out by malloc.
#include "heap_usage.h"

#include <malloc.h>

std::size_t heapBytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}
