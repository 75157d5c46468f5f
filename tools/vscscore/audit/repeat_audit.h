// The contest's repeat rule replayed over a log, whatever the log was read from: its contacts
// as the rule needs them, small enough to hold a million.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "scoring/ole_date.h"

// The station and the band and mode are numbers the caller gives out, equal for equal texts;
// stations are numbered from 0 up, as TextNumbers numbers them.
struct AuditContact {
    std::size_t place = 0;  // the record or line number the findings name
    int64_t seconds = 0;    // since the date epoch: the order the log is replayed in
    int64_t minute = 0;     // since the date epoch: the clock the contact is judged at
    int64_t storedMinute = 0;  // the minute the host stores, when timed
    uint32_t station = 0;
    uint32_t bandMode = 0;
    bool timed = false;  // the host's stored time reads as a date
};

struct AuditFinding {
    std::size_t contact = 0;  // index into the audited contacts
    std::size_t earlier = 0;  // index of the logged contact it conflicts with
    bool tooEarly = false;    // false: an exact repeat
    unsigned minutesToWait = 0;
};

// The indexes of the contacts in the order the audit replays them: by real time, equal times
// in file order.
std::vector<std::size_t> timeOrder(const std::vector<AuditContact>& contacts);

// Judges each contact as the plug-in would have while it was entered: against the contacts
// logged before it (in order), its own time standing for the clock. Findings come in that order.
std::vector<AuditFinding> auditContacts(const std::vector<AuditContact>& contacts,
                                        const std::vector<std::size_t>& order);

// A contact as every finding names it, the audit, lint and the report alike: "record 23
// 2025-02-15 0656 Q7CDC 20 CW", the place being a record or a line.
std::string contactText(const std::string& place, const DateTimeParts& when,
                        const std::string& call, const std::string& band,
                        const std::string& mode);

// A finding as every command words it, after the contact and what names the earlier one:
// "exact repeat of EARLIER", or "too early after EARLIER, 7 minutes still to wait" ("1 minute
// ..."; with 0 the contact fell in the window's last minute, refused all the same, and is said
// so).
std::string findingText(const AuditFinding& finding, const std::string& earlier);
