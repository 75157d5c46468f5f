// The ADIF log's contacts as the repeat audit takes them.
#include "audit/log_audit.h"

#include "rules/repeat_rule.h"
#include "input/text_numbers.h"

namespace {

std::vector<AuditContact> auditContactsOf(const std::vector<LogContact>& contacts)
{
    TextNumbers stations;
    TextNumbers bandModes;
    std::vector<AuditContact> audited;
    audited.reserve(contacts.size());
    for (const LogContact& contact : contacts) {
        const HostContact& host = contact.host;
        AuditContact c;
        c.place = contact.record;
        c.seconds = timeOrderKey(contact);
        c.minute = minutesSinceOleEpoch(contact.when);
        c.timed = storedMinutes(host.time, c.storedMinute);
        c.station = stations.number(host.call);
        // The length first, so that no band and mode read as another pair.
        c.bandMode = bandModes.number(std::to_string(host.band.size()) + ":" + host.band +
                                      host.mode);
        audited.push_back(c);
    }
    return audited;
}

}  // namespace

std::string contactText(const std::string& place, const LogContact& contact)
{
    return contactText(place, contact.when, contact.host.call, contact.host.band,
                       contact.host.mode);
}

std::vector<std::size_t> timeOrder(const std::vector<LogContact>& contacts)
{
    // The order needs the times only, not the stations numbered.
    std::vector<AuditContact> times(contacts.size());
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        times[i].seconds = timeOrderKey(contacts[i]);
    }
    return timeOrder(times);
}

std::vector<AuditFinding> auditLog(const std::vector<LogContact>& contacts)
{
    const std::vector<AuditContact> audited = auditContactsOf(contacts);
    return auditContacts(audited, timeOrder(audited));
}

std::vector<AuditFinding> auditLog(const std::vector<LogContact>& contacts,
                                   const std::vector<std::size_t>& order)
{
    return auditContacts(auditContactsOf(contacts), order);
}
