// Duplicate callsigns among the logs: one rule picks the log that counts, one text says why.
#include "contest/log_set.h"

#include <tuple>
#include <unordered_map>

namespace {

// True when a counts rather than b.
bool counts(const LogInput& a, const LogInput& b)
{
    return std::make_tuple(a.modified, a.qsos.size(), a.fileName) >
           std::make_tuple(b.modified, b.qsos.size(), b.fileName);
}

}  // namespace

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
        if (counts(set.logs[i], set.logs[other])) {
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

std::string supersededWhy(const LogInput& loser, const LogInput& winner)
{
    if (winner.modified != loser.modified) {
        return "was modified later";
    }
    if (winner.qsos.size() != loser.qsos.size()) {
        return "the same modification time; the larger counts: " +
               std::to_string(winner.qsos.size()) + " QSO lines to " +
               std::to_string(loser.qsos.size());
    }
    return "the same modification time and as many QSO lines; the name sorting last counts";
}
