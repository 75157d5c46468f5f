// Replays a log through the core's repeat rule, one contact at a time.
#include "log_audit.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <unordered_map>

#include "rules/repeat_index.h"

std::string contactText(const std::string& place, const LogContact& contact)
{
    return place + " " + formatDateParts(contact.when, "%Y-%m-%d %H%M") + " " +
           contact.host.call + " " + contact.host.band + " " + contact.host.mode;
}

std::string findingText(const AuditFinding& finding, const std::string& earlier)
{
    if (!finding.tooEarly) {
        return "exact repeat of " + earlier;
    }
    const unsigned wait = finding.minutesToWait;
    if (wait == 0) {
        return "too early after " + earlier + ", in the last minute of the " +
               std::to_string(RepeatWindowMinutes) + "-minute window";
    }
    return "too early after " + earlier + ", " + std::to_string(wait) +
           (wait == 1 ? " minute" : " minutes") + " still to wait";
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
    return auditLog(contacts, timeOrder(contacts));
}

std::vector<AuditFinding> auditLog(const std::vector<LogContact>& contacts,
                                   const std::vector<std::size_t>& order)
{
    // Only the same station can refuse a contact, so each is judged against its station's
    // index, which finds the oldest refusing contact as a scan of them all would.
    std::unordered_map<std::string, StationRepeats> stations;
    std::unordered_map<std::string, uint64_t> bandModes;
    std::vector<AuditFinding> findings;
    for (std::size_t index : order) {
        const HostContact& contact = contacts[index].host;
        const std::string key =
            std::to_string(contact.band.size()) + ":" + contact.band + contact.mode;
        const uint64_t bandMode = bandModes.emplace(key, bandModes.size()).first->second;
        StationRepeats& station = stations[contact.call];
        const RepeatConflict conflict =
            station.judge(bandMode, minutesSinceOleEpoch(contacts[index].when));
        if (conflict.found) {
            findings.push_back({index, conflict.earlier, conflict.verdict.tooEarly,
                                conflict.verdict.minutesToWait});
        }
        int64_t minute = 0;
        const bool timed = storedMinutes(contact.time, minute);
        station.add(bandMode, timed, minute, index);
    }
    return findings;
}
