// The process's private committed bytes: coarse, but the store's growth dwarfs the rest.
#include "heap_usage.h"

#include <windows.h>
#include <psapi.h>

std::size_t heapBytesInUse()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters)) {
        return 0;
    }
    return counters.PrivateUsage;
}
