// One sort puts each pair's lines together, linear in the lines whatever their shape.
#include "crosscheck/contact_pairs.h"

#include <algorithm>

namespace {

struct Key {
    uint32_t low;
    uint32_t high;
    NameId band;
    NameId mode;
};

Key keyOf(const PairEntry& e)
{
    return {std::min(e.log, e.other), std::max(e.log, e.other), e.band, e.mode};
}

bool sameGroup(const Key& a, const Key& b)
{
    return a.low == b.low && a.high == b.high && a.band == b.band && a.mode == b.mode;
}

}  // namespace

ContactPairs contactPairs(const LogSet& set, const std::vector<std::vector<LineResult>>& lines,
                          const std::vector<int32_t>& logOf)
{
    ContactPairs pairs;
    std::size_t total = 0;
    for (const auto& log : lines) {
        total += log.size();
    }
    pairs.entries.reserve(total);
    for (uint32_t l = 0; l < set.logs.size(); ++l) {
        const LogInput& log = set.logs[l];
        for (uint32_t i = 0; i < lines[l].size(); ++i) {
            if (lines[l][i].verdict != Verdict::Pending) {
                continue;
            }
            const int32_t other = logOf[log.qsos[i].call];
            if (other >= 0 && static_cast<uint32_t>(other) != l) {
                const QsoInput& q = log.qsos[i];
                pairs.entries.push_back(
                    {l, i, static_cast<uint32_t>(other), q.minute, q.band, q.mode});
            }
        }
    }
    std::sort(pairs.entries.begin(), pairs.entries.end(),
              [&](const PairEntry& a, const PairEntry& b) {
                  const Key ka = keyOf(a);
                  const Key kb = keyOf(b);
                  if (ka.low != kb.low) {
                      return ka.low < kb.low;
                  }
                  if (ka.high != kb.high) {
                      return ka.high < kb.high;
                  }
                  if (ka.band != kb.band) {
                      return ka.band < kb.band;
                  }
                  if (ka.mode != kb.mode) {
                      return ka.mode < kb.mode;
                  }
                  if (a.log != b.log) {
                      return a.log < b.log;
                  }
                  return a.minute != b.minute ? a.minute < b.minute : a.qso < b.qso;
              });
    for (std::size_t i = 0; i < pairs.entries.size(); ++i) {
        if (i == 0 || !sameGroup(keyOf(pairs.entries[i - 1]), keyOf(pairs.entries[i]))) {
            pairs.groupStarts.push_back(static_cast<uint32_t>(i));
        }
    }
    pairs.groupStarts.push_back(static_cast<uint32_t>(pairs.entries.size()));
    return pairs;
}
