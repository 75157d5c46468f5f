// The after-contest audit: the log replayed in time order under the contest's repeat rule.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "adif_contact.h"

struct AuditFinding {
    std::size_t contact = 0;  // index into the audited contacts
    std::size_t earlier = 0;  // index of the logged contact it conflicts with
    bool tooEarly = false;    // false: an exact repeat
    unsigned minutesToWait = 0;
};

// Judges each contact as the plug-in would have while it was entered: against the contacts
// logged before it, its own time standing for the clock. Equal times keep file order.
// Findings come in time order.
std::vector<AuditFinding> auditLog(const std::vector<LogContact>& contacts);

// The same, for a caller that holds the time order already.
std::vector<AuditFinding> auditLog(const std::vector<LogContact>& contacts,
                                   const std::vector<std::size_t>& order);

// The indexes of the contacts in the order the audit replays them: by real time, equal times
// in file order.
std::vector<std::size_t> timeOrder(const std::vector<LogContact>& contacts);

// A contact as every finding names it, the audit, lint and the report alike: "record 23
// 2025-02-15 0656 Q7CDC 20 CW", the place being a record or a line.
std::string contactText(const std::string& place, const LogContact& contact);

// A finding as every command words it, after the contact and what names the earlier one:
// "exact repeat of EARLIER", or "too early after EARLIER, 7 minutes still to wait" ("1 minute
// ..."; with 0 the contact fell in the window's last minute, refused all the same, and is said
// so).
std::string findingText(const AuditFinding& finding, const std::string& earlier);
