// A station's contacts indexed for the repeat rule: the oldest refusing contact on the same band
// and mode is the group's first (or the first inside its window), and on another band or mode
// the first of the window over the latest ones, or the first after its run of this band and mode.
#include "rules/repeat_index.h"

namespace {

constexpr uint32_t NoGroup = UINT32_MAX;

}  // namespace

RepeatConflict StationRepeats::conflictWith(uint32_t entry, bool same, int64_t minute) const
{
    RepeatConflict conflict;
    conflict.verdict = judgeRepeatPair(windows_, same, minute - entries_[entry].minute);
    conflict.found = !conflict.verdict.accepted;
    conflict.earlier = entries_[entry].id;
    return conflict;
}

RepeatConflict StationRepeats::scanAll(uint32_t group, int64_t minute) const
{
    for (uint32_t k = 0; k < entries_.size(); ++k) {
        const bool same = entries_[k].group == group;
        if (!same && !entries_[k].timed) {
            continue;
        }
        const RepeatConflict conflict = conflictWith(k, same, minute);
        if (conflict.found) {
            return conflict;
        }
    }
    return RepeatConflict();
}

RepeatConflict StationRepeats::judge(uint64_t bandMode, int64_t minute)
{
    const auto found = groupOf_.find(bandMode);
    const uint32_t group = found == groupOf_.end() ? NoGroup : found->second;
    if (minute < lastJudged_) {
        ordered_ = false;
    }
    lastJudged_ = minute;
    if (!ordered_) {
        return scanAll(group, minute);
    }

    uint32_t best = NoGroup;  // the oldest candidate, an index in entries_
    bool bestSame = false;
    if (group != NoGroup) {
        Group& same = groups_[group];
        if (windows_.sameNever) {
            best = same.first;
        } else {
            const int64_t start = minute - int64_t{windows_.sameMinutes};
            while (same.from < same.timed.size() &&
                   entries_[same.timed[same.from]].minute < start) {
                ++same.from;
            }
            if (same.from < same.timed.size() &&
                entries_[same.timed[same.from]].minute <= minute) {
                best = same.timed[same.from];
            }
        }
        bestSame = best != NoGroup;
    }

    const int64_t start = minute - int64_t{windows_.otherMinutes};
    while (otherFrom_ < timed_.size() && entries_[timed_[otherFrom_]].minute < start) {
        ++otherFrom_;
    }
    std::size_t at = otherFrom_;
    if (at < timed_.size() && entries_[timed_[at]].group == group) {
        const uint32_t nextRun = runOf_[at] + 1;
        at = nextRun < runStart_.size() ? runStart_[nextRun] : timed_.size();
    }
    if (at < timed_.size() && entries_[timed_[at]].minute <= minute &&
        (best == NoGroup || timed_[at] < best)) {
        best = timed_[at];
        bestSame = false;
    }
    return best == NoGroup ? RepeatConflict() : conflictWith(best, bestSame, minute);
}

void StationRepeats::add(uint64_t bandMode, bool timed, int64_t minute, std::size_t id)
{
    const uint32_t index = static_cast<uint32_t>(entries_.size());
    const auto inserted = groupOf_.emplace(bandMode, static_cast<uint32_t>(groups_.size()));
    if (inserted.second) {
        groups_.push_back(Group{index, {}, 0});
    }
    const uint32_t group = inserted.first->second;
    entries_.push_back(Entry{id, timed ? minute : 0, group, timed});
    if (!timed) {
        // Read as minute 0, it would only fit a same-band window out of order.
        ordered_ = ordered_ && windows_.sameNever;
        return;
    }
    if (minute < lastAdded_) {
        ordered_ = false;
    }
    lastAdded_ = minute;
    if (timed_.empty() || entries_[timed_.back()].group != group) {
        runStart_.push_back(static_cast<uint32_t>(timed_.size()));
    }
    runOf_.push_back(static_cast<uint32_t>(runStart_.size() - 1));
    timed_.push_back(index);
    groups_[group].timed.push_back(index);
}

void StationRepeats::clear()
{
    entries_.clear();
    groupOf_.clear();
    groups_.clear();
    timed_.clear();
    runOf_.clear();
    runStart_.clear();
    otherFrom_ = 0;
    ordered_ = true;
    lastAdded_ = INT64_MIN;
    lastJudged_ = INT64_MIN;
}
