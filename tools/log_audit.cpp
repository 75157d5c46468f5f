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
    // those alone, and the work per contact stays the same however long the log grows. They
    // go into the rule's array oldest first, judged after each: the rule stops at the first
    // that refuses, so the first refusal names the contact it conflicts with.
    std::unordered_map<std::string, std::vector<std::size_t>> loggedByCall;
    std::vector<AuditFinding> findings;
    ContactArray logged;  // reused: emptied entry by entry, it keeps its storage
    for (std::size_t index : order) {
        const LogContact& contact = contacts[index];
        std::vector<std::size_t>& earlier = loggedByCall[contact.host.call];
        for (std::size_t k : earlier) {
            logged.push_back(storedContact(contacts[k].host));
            const RepeatVerdict verdict = judge(logged, contact);
            if (!verdict.accepted) {
                findings.push_back({index, k, verdict.tooEarly, verdict.minutesToWait});
                break;
            }
        }
        while (!logged.empty()) {
            logged.erase(logged.size() - 1);
        }
        earlier.push_back(index);
    }
    return findings;
}
