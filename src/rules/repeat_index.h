// One station's earlier contacts as the repeat rule needs them, so that a log replayed in time
// order costs the same per contact whatever its shape: the first contact on each band and mode,
// and a window over the latest ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "rules/repeat_rule.h"

struct RepeatConflict {
    bool found = false;
    std::size_t earlier = 0;  // the id the refusing contact was added with
    RepeatVerdict verdict = {true, false, 0};
};

class StationRepeats {
public:
    explicit StationRepeats(const RepeatWindows& windows = RepeatWindows()) : windows_(windows) {}

    // The oldest contact added that refuses one on bandMode (any number naming a band and mode)
    // at minute, exactly as judging every added contact in turn by judgeRepeatPair would find.
    // Judged in time order it looks at a few of them; out of time order it looks at them all.
    RepeatConflict judge(uint64_t bandMode, int64_t minute);

    // Forgets every contact added, keeping the memory for the next station.
    void clear();

    // An untimed contact refuses only as an exact repeat, its minute read as 0.
    void add(uint64_t bandMode, bool timed, int64_t minute, std::size_t id);

private:
    struct Entry {
        std::size_t id;
        int64_t minute;
        uint32_t group;
        bool timed;
    };
    struct Group {
        uint32_t first;               // index in entries_
        std::vector<uint32_t> timed;  // indexes in entries_, in order
        std::size_t from = 0;         // in timed: the first still inside the same-band window
    };

    RepeatConflict conflictWith(uint32_t entry, bool same, int64_t minute) const;
    RepeatConflict scanAll(uint32_t group, int64_t minute) const;

    RepeatWindows windows_;
    std::vector<Entry> entries_;
    std::unordered_map<uint64_t, uint32_t> groupOf_;
    std::vector<Group> groups_;
    std::vector<uint32_t> timed_;     // indexes in entries_ of the timed contacts, in order
    std::vector<uint32_t> runOf_;     // for each of timed_: its run of one band and mode
    std::vector<uint32_t> runStart_;  // each run's first place in timed_
    std::size_t otherFrom_ = 0;       // in timed_: the first still inside the other-band window
    bool ordered_ = true;             // minutes added and judged never went backwards
    int64_t lastAdded_ = INT64_MIN;
    int64_t lastJudged_ = INT64_MIN;
};
