// Robust clock offsets: medians over unambiguous pairs, iterated.
#include "crosscheck/clock_offset.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Differences beyond this are not the same contact seen through two clocks.
constexpr int32_t LargestSkew = 150;
constexpr uint32_t FewestSamples = 3;
constexpr int Rounds = 4;

struct Sample {
    uint32_t partner;
    int32_t difference;  // my logged time minus the partner's
};

int32_t median(std::vector<int32_t>& values)
{
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                     values.end());
    return values[middle];
}

}  // namespace

std::vector<ClockEstimate> estimateClocks(const ContactPairs& pairs, std::size_t logCount,
                                          unsigned toleranceMinutes)
{
    // Samples per log, gathered in two passes into one array (counts, then places).
    std::vector<uint32_t> starts(logCount + 1, 0);
    auto forEachSample = [&](auto visit) {
        for (std::size_t g = 0; g + 1 < pairs.groupStarts.size(); ++g) {
            if (pairs.groupStarts[g + 1] - pairs.groupStarts[g] != 2) {
                continue;
            }
            const PairEntry& a = pairs.entries[pairs.groupStarts[g]];
            const PairEntry& b = pairs.entries[pairs.groupStarts[g] + 1];
            if (a.log == b.log || std::abs(a.minute - b.minute) > LargestSkew) {
                continue;
            }
            visit(a.log, Sample{b.log, a.minute - b.minute});
            visit(b.log, Sample{a.log, b.minute - a.minute});
        }
    };
    forEachSample([&](uint32_t log, const Sample&) { ++starts[log + 1]; });
    for (std::size_t i = 1; i <= logCount; ++i) {
        starts[i] += starts[i - 1];
    }
    std::vector<Sample> samples(starts[logCount]);
    std::vector<uint32_t> filled(starts.begin(), starts.end() - 1);
    forEachSample([&](uint32_t log, const Sample& s) { samples[filled[log]++] = s; });

    std::vector<ClockEstimate> clocks(logCount);
    std::vector<int32_t> offsets(logCount, 0);
    std::vector<int32_t> values;
    for (int round = 0; round < Rounds; ++round) {
        std::vector<int32_t> next(logCount, 0);
        for (std::size_t log = 0; log < logCount; ++log) {
            if (starts[log + 1] - starts[log] < FewestSamples) {
                continue;
            }
            values.clear();
            for (uint32_t s = starts[log]; s < starts[log + 1]; ++s) {
                values.push_back(samples[s].difference + offsets[samples[s].partner]);
            }
            next[log] = median(values);
        }
        offsets.swap(next);
    }
    for (std::size_t log = 0; log < logCount; ++log) {
        ClockEstimate& clock = clocks[log];
        clock.samples = starts[log + 1] - starts[log];
        if (clock.samples < FewestSamples) {
            continue;
        }
        clock.offset = offsets[log];
        uint32_t agreeing = 0;
        for (uint32_t s = starts[log]; s < starts[log + 1]; ++s) {
            const int32_t residual =
                samples[s].difference + offsets[samples[s].partner] - offsets[log];
            agreeing += static_cast<uint32_t>(std::abs(residual) <= int32_t(toleranceMinutes));
        }
        clock.reliable = agreeing * 2 > clock.samples;
    }
    return clocks;
}
