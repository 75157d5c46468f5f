// Replays a log through the core's repeat rule, one contact at a time.
#include "audit/repeat_audit.h"

#include <algorithm>
#include <numeric>

#include "rules/repeat_index.h"

std::vector<std::size_t> timeOrder(const std::vector<AuditContact>& contacts)
{
    std::vector<std::size_t> order(contacts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&contacts](std::size_t a, std::size_t b) {
        return contacts[a].seconds < contacts[b].seconds;
    });
    return order;
}

std::vector<AuditFinding> auditContacts(const std::vector<AuditContact>& contacts,
                                        const std::vector<std::size_t>& order)
{
    // Only the same station can refuse a contact, so each is judged against its station's
    // index, which finds the oldest refusing contact as a scan of them all would.
    uint32_t lastStation = 0;
    for (const AuditContact& contact : contacts) {
        lastStation = std::max(lastStation, contact.station);
    }
    std::vector<StationRepeats> stations(contacts.empty() ? 0 : std::size_t(lastStation) + 1);
    std::vector<AuditFinding> findings;
    for (std::size_t index : order) {
        const AuditContact& contact = contacts[index];
        StationRepeats& station = stations[contact.station];
        const RepeatConflict conflict = station.judge(contact.bandMode, contact.minute);
        if (conflict.found) {
            findings.push_back({index, conflict.earlier, conflict.verdict.tooEarly,
                                conflict.verdict.minutesToWait});
        }
        station.add(contact.bandMode, contact.timed, contact.storedMinute, index);
    }
    return findings;
}

std::string contactText(const std::string& place, const DateTimeParts& when,
                        const std::string& call, const std::string& band,
                        const std::string& mode)
{
    return place + " " + formatDateParts(when, "%Y-%m-%d %H%M") + " " + call + " " + band + " " +
           mode;
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
