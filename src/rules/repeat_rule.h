// The contest's repeat rule: whether a contact may be made now, given the contacts already
// logged.
#pragma once

#include <cstdint>
#include <string>

#include "scoring/ole_date.h"
#include "scoring/contact.h"

// How close, in whole minutes, a contact on another band or mode may follow a stored one of
// the same station before it is refused.
constexpr unsigned RepeatWindowMinutes = 10;

struct RepeatVerdict {
    bool accepted;
    bool tooEarly;           // refused within the window; false for an exact repeat
    unsigned minutesToWait;  // meaningful only when tooEarly
};

// How long the same station stays refused: on the same band and mode (never counting again, or
// refused while 0..sameMinutes whole minutes separate the two), and on another band or mode.
// The defaults are this contest's, the plug-in's own.
struct RepeatWindows {
    bool sameNever = true;
    unsigned sameMinutes = 0;
    unsigned otherMinutes = RepeatWindowMinutes;
};

// Whole minutes since the OLE epoch of a stored time (rounded to the second), or false when it
// has none to offer.
bool storedMinutes(const DateRecord& time, int64_t& minutes);

// The judge for one pair: a contact elapsedMinutes after a stored one of the same station (on
// the same band and mode or not). A stored time in the future never refuses a timed window.
RepeatVerdict judgeRepeatPair(const RepeatWindows& windows, bool sameBandMode,
                              int64_t elapsedMinutes);

// Visits the stored contacts oldest first; the first one that refuses decides. Texts compare
// byte for byte. The same station on the same band and mode refuses whatever the times; on
// another band or mode it refuses while 0..10 whole minutes separate the stored UTC time
// (rounded to the second) from utcNow. A stored time that is not valid never refuses.
RepeatVerdict judgeRepeat(const ContactArray& contacts, const std::string& call,
                          const std::string& mode, const std::string& band,
                          const DateTimeParts& utcNow);
