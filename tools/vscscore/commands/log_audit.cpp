// Replays a log through the core's repeat rule, one contact at a time.
#include "log_audit.h"

#include <algorithm>
#include <numeric>
#include <string>
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

std::string waitText(unsigned minutesToWait)
{
    if (minutesToWait == 0) {
        return "in the last minute of the " + std::to_string(RepeatWindowMinutes) +
               "-minute window";
    }
    return std::to_string(minutesToWait) + (minutesToWait == 1 ? " minute" : " minutes") +
           " still to wait";
}

std::vector<std::size_t> timeOrder(const std::vector<LogContact>& contacts)
{
    std::vector<int64_t> keys;
    keys.reserve(contacts.size());
    for (const LogContact& contact : contacts) {
        keys.push_back(timeOrderKey(contact));
    }
    std::vector<std::size_t> order(contacts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
}

std::vector<AuditFinding> auditLog(const std::vector<LogContact>& contacts)
{
    const std::vector<std::size_t> order = timeOrder(contacts);

    // Only a contact with the same callsign can refuse, so each is judged against the logged
    // contacts of its own callsign, one at a time, oldest first: the first that refuses is
    // the one the rule stops at, and the work per contact does not grow with the log.
    std::unordered_map<std::string, std::vector<std::size_t>> loggedByCall;
    std::vector<AuditFinding> findings;
    ContactArray one;
    for (std::size_t index : order) {
        const LogContact& contact = contacts[index];
        std::vector<std::size_t>& logged = loggedByCall[contact.host.call];
        for (std::size_t earlier : logged) {
            if (!one.empty()) {
                one.erase(0);
            }
            one.push_back(storedContact(contacts[earlier].host));
            const RepeatVerdict verdict = judge(one, contact);
            if (!verdict.accepted) {
                findings.push_back({index, earlier, verdict.tooEarly, verdict.minutesToWait});
                break;
            }
        }
        logged.push_back(index);
    }
    return findings;
}
