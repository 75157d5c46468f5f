// The measurements, written once for both builds: each runner times operation() and leaves
// prepare() and restore() out of the time.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

#include "host_calls.h"

// What the cases run against: the plug-in's entry points, and the export run of a result
// request with its file written, which each build reaches its own way.
struct BenchTarget {
    StatsPlugin plugin;
    std::function<void()> exportRun;
    // Starts a log with the export requested, where exportRun needs that; else null.
    std::function<void()> resetForExport;
};

struct BenchRun {
    BenchRun(const BenchTarget& target, std::size_t n);

    const BenchTarget& target;
    const std::size_t n;
    const std::vector<HostContact>& log;
    std::deque<std::size_t> storeOrder;  // the log index of each stored contact, oldest first
    std::size_t removed = 0;             // the log index of the contact taken out last
    bool oneOut = false;                 // that contact is out of the store now
    std::vector<std::array<char, 16>> keys;
    std::size_t heapAtStart = 0;
    std::size_t heapPerContact = 0;  // after the last fill; 0 where not measured
    std::size_t sink = 0;
};

struct BenchCase {
    const char* name;
    void (*prepare)(BenchRun&);
    void (*operation)(BenchRun&);
    void (*restore)(BenchRun&);  // null when the operation leaves the store as it was
    bool perContact;             // one operation makes n calls; report the time of one
};

const std::vector<BenchCase>& benchCases();

// 1 000 to 1 000 000 contacts.
const std::vector<std::size_t>& benchSizes();
