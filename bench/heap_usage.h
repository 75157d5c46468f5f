// Bytes the process holds from its heap, for the memory a stored contact costs.
#pragma once

#include <cstddef>

// 0 where the platform cannot tell.
std::size_t heapBytesInUse();
