// The log the benchmarks store: n contacts over 12 bands, each station worked on up to four
// bands, in time order.
#pragma once

#include <cstddef>
#include <vector>

#include "host_calls.h"

constexpr std::size_t BenchBandCount = 12;

// The same n contacts on every call with the same n.
const std::vector<HostContact>& benchLog(std::size_t n);

// A contact whose station is in no benchmark log; its exchanges are filled, so a removal
// of it walks the whole store.
const HostContact& absentContact();
