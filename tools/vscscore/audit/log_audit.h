// The after-contest audit of an ADIF log: its contacts replayed in time order under the
// contest's repeat rule.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "input/adif_contact.h"
#include "audit/repeat_audit.h"

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

// "record 23 2025-02-15 0656 Q7CDC 20 CW" for the contact, the place being a record or a line.
std::string contactText(const std::string& place, const LogContact& contact);
