// Duplicate callsigns among the logs: the later-modified one counts.
#include "contest/log_set.h"

#include <unordered_map>

std::vector<int32_t> supersededLogs(const LogSet& set)
{
    std::vector<int32_t> superseded(set.logs.size(), -1);
    std::unordered_map<std::string, int32_t> latest;
    for (std::size_t i = 0; i < set.logs.size(); ++i) {
        const auto index = static_cast<int32_t>(i);
        auto found = latest.emplace(set.logs[i].call, index);
        if (found.second) {
            continue;
        }
        const int32_t other = found.first->second;
        if (set.logs[i].modified >= set.logs[other].modified) {
            found.first->second = index;
        }
    }
    for (std::size_t i = 0; i < set.logs.size(); ++i) {
        const int32_t winner = latest[set.logs[i].call];
        if (winner != static_cast<int32_t>(i)) {
            superseded[i] = winner;
        }
    }
    return superseded;
}
