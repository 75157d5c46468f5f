// Replays a log through the core's repeat rule, one contact at a time.
#include "log_audit.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "rules/repeat_rule.h"

namespace {

CInfo storedContact(const HostContact& contact)
{
    CInfo stored;
    stored.Call = contact.call;
    stored.Band = contact.band;
    stored.Mode = contact.mode;
    stored.Time = contact.time;
    return stored;
}

RepeatVerdict judge(const ContactArray& logged, const LogContact& contact)
{
    return judgeRepeat(logged, contact.host.call, contact.host.mode, contact.host.band,
                       contact.when);
}

}  // namespace

std::vector<AuditFinding> auditLog(const std::vector<LogContact>& contacts)
{
    std::vector<std::size_t> order(contacts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&contacts](std::size_t a, std::size_t b) {
        return contacts[a].host.time.value() < contacts[b].host.time.value();
    });

    // The rule looks at the station's own contacts only, so each contact is judged against
    // those alone: the work per contact stays the same however long the log grows.
    std::unordered_map<std::string, std::vector<std::size_t>> loggedByCall;
    std::vector<AuditFinding> findings;
    for (std::size_t index : order) {
        const LogContact& contact = contacts[index];
        std::vector<std::size_t>& earlier = loggedByCall[contact.host.call];
        ContactArray logged;
        for (std::size_t k : earlier) {
            logged.push_back(storedContact(contacts[k].host));
        }
        const RepeatVerdict verdict = judge(logged, contact);
        if (!verdict.accepted) {
            // The rule stops at the first logged contact that refuses; find which one it was.
            for (std::size_t k = 0; k < logged.size(); ++k) {
                if (!judge(ContactArray{logged[k]}, contact).accepted) {
                    findings.push_back({index, earlier[k], verdict.tooEarly,
                                        verdict.minutesToWait});
                    break;
                }
            }
        }
        earlier.push_back(index);
    }
    return findings;
}
