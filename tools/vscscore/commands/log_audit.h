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

// The indexes of the contacts in the order the audit replays them: by real time, equal times
// in file order.
std::vector<std::size_t> timeOrder(const std::vector<LogContact>& contacts);

// How long a too-early contact had still to wait, in the plug-in's count: "7 minutes still to
// wait", "1 minute ..."; with 0 the contact fell in the window's last minute, refused all the
// same, and is said so.
std::string waitText(unsigned minutesToWait);
