// The repeat rule over the contact store, with the clock handed in so it can be tested.
#include "rules/repeat_rule.h"

#include <cstdint>

bool storedMinutes(const DateRecord& time, int64_t& minutes)
{
    DateTimeParts parts;
    if (time.status() != static_cast<int32_t>(DateStatus::Valid) ||
        !breakDownOleDate(time.value(), parts)) {
        return false;
    }
    minutes = minutesSinceOleEpoch(parts);
    return true;
}

RepeatVerdict judgeRepeatPair(const RepeatWindows& windows, bool sameBandMode,
                              int64_t elapsedMinutes)
{
    if (sameBandMode && windows.sameNever) {
        return {false, false, 0};
    }
    // A stored contact in the future (a clock set back, a log edited) is never too early.
    const unsigned window = sameBandMode ? windows.sameMinutes : windows.otherMinutes;
    if (elapsedMinutes >= 0 && elapsedMinutes <= window) {
        return {false, !sameBandMode, window - static_cast<unsigned>(elapsedMinutes)};
    }
    return {true, false, 0};
}

RepeatVerdict judgeRepeat(const ContactArray& contacts, const std::string& call,
                          const std::string& mode, const std::string& band,
                          const DateTimeParts& utcNow)
{
    const int64_t now = minutesSinceOleEpoch(utcNow);
    RepeatVerdict verdict = {true, false, 0};
    // The pass reads the callsign column; only the station's own contacts are looked at.
    contacts.forEachWithCall(call, [&](std::size_t, const CInfo& stored) {
        const bool same = stored.Band == band && stored.Mode == mode;
        int64_t then = 0;
        if (!same && !storedMinutes(stored.Time, then)) {
            return true;
        }
        const RepeatVerdict pair = judgeRepeatPair(RepeatWindows(), same, now - then);
        if (!pair.accepted) {
            verdict = pair;
            return false;
        }
        return true;
    });
    return verdict;
}
