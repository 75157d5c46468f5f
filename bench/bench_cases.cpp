// The entry-point calls measured at each store size, and the bare scan they are held against.
#include "bench_cases.h"

#include <cstring>
#include <iterator>

#include "bench_log.h"
#include "heap_usage.h"

namespace {

void resetStore(BenchRun& run)
{
    hostResetStats(run.target.plugin, 0, "Q0BENCH", DateRecord::make(46023.0));
    run.storeOrder.clear();
}

void addAll(BenchRun& run)
{
    for (std::size_t i = 0; i < run.n; ++i) {
        hostAddData(run.target.plugin, run.log[i]);
        run.storeOrder.push_back(i);
    }
}

void fillStore(BenchRun& run)
{
    resetStore(run);
    addAll(run);
}

void fillStoreForExport(BenchRun& run)
{
    if (!run.target.resetForExport) {
        fillStore(run);
        return;
    }
    run.target.resetForExport();
    run.storeOrder.clear();
    addAll(run);
}

// Takes the contact at that store position out; restoreRemoved logs it again, as the newest.
void removeAt(BenchRun& run, std::size_t position)
{
    run.removed = run.storeOrder[position];
    hostRemoveData(run.target.plugin, run.log[run.removed]);
}

void restoreRemoved(BenchRun& run, std::size_t position)
{
    run.storeOrder.erase(run.storeOrder.begin() + static_cast<std::ptrdiff_t>(position));
    hostAddData(run.target.plugin, run.log[run.removed]);
    run.storeOrder.push_back(run.removed);
}

void getResult(BenchRun& run)
{
    int score = 0;
    run.sink += std::strlen(run.target.plugin.GetResult0(&score));
}

std::array<char, 16> callKey(const std::string& call)
{
    std::array<char, 16> key = {};
    std::memcpy(key.data(), call.data(), call.size() < key.size() ? call.size() : key.size());
    return key;
}

const std::vector<BenchCase> Cases = {
    {"AddData0",
     [](BenchRun& run) {
         resetStore(run);
         run.heapAtStart = heapBytesInUse();
     },
     [](BenchRun& run) {
         for (std::size_t i = 0; i < run.n; ++i) {
             hostAddData(run.target.plugin, run.log[i]);
         }
     },
     [](BenchRun& run) {
         const std::size_t heap = heapBytesInUse();
         run.heapPerContact = heap > run.heapAtStart ? (heap - run.heapAtStart) / run.n : 0;
         resetStore(run);
         run.heapAtStart = heapBytesInUse();
     },
     true},
    {"CheckCall0 absent", fillStore,
     [](BenchRun& run) {
         char warning[100] = {};
         const HostContact& absent = absentContact();
         run.sink += static_cast<std::size_t>(
             hostCheckCall(run.target.plugin, absent.call, absent.mode, absent.band, warning));
     },
     nullptr, false},
    {"bare scan",
     [](BenchRun& run) {
         run.keys.clear();
         for (std::size_t i = 0; i < run.n; ++i) {
             run.keys.push_back(callKey(run.log[i].call));
         }
     },
     [](BenchRun& run) {
         static const std::array<char, 16> absent = callKey(absentContact().call);
         for (const std::array<char, 16>& key : run.keys) {
             if (std::memcmp(key.data(), absent.data(), key.size()) == 0) {
                 ++run.sink;
                 break;
             }
         }
     },
     nullptr, false},
    {"GetResult0", fillStore, getResult, nullptr, false},
    // Every request sees another score than the last, so the claimed score is written each time.
    {"GetResult0 new score", fillStore, getResult,
     [](BenchRun& run) {
         if (run.oneOut) {
             restoreRemoved(run, 0);
         } else {
             removeAt(run, 0);
         }
         run.oneOut = !run.oneOut;
     },
     false},
    {"export run", fillStoreForExport, [](BenchRun& run) { run.target.exportRun(); }, nullptr, false},
    {"RemoveData0 oldest", fillStore, [](BenchRun& run) { removeAt(run, 0); },
     [](BenchRun& run) { restoreRemoved(run, 0); }, false},
    {"RemoveData0 middle", fillStore, [](BenchRun& run) { removeAt(run, run.n / 2); },
     [](BenchRun& run) { restoreRemoved(run, run.n / 2); }, false},
    {"RemoveData0 no match", fillStore,
     [](BenchRun& run) {
         run.sink += static_cast<std::size_t>(hostRemoveData(run.target.plugin, absentContact()));
     },
     nullptr, false},
};

}  // namespace

BenchRun::BenchRun(const BenchTarget& target, std::size_t n)
    : target(target), n(n), log(benchLog(n))
{
}

const std::vector<BenchCase>& benchCases()
{
    return Cases;
}

const std::vector<std::size_t>& benchSizes()
{
    static const std::vector<std::size_t> sizes = {1000, 10000, 100000, 1000000};
    return sizes;
}
