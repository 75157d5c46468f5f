// vscscore audit: every exact repeat and every contact made too early, then the counts.
#include <cstdio>

#include "commands.h"
#include "exit_status.h"
#include "shown_text.h"
#include "log_audit.h"
#include "messages.h"

namespace {

std::string describe(const LogContact& contact)
{
    return formatDateRecord(contact.host.time, "%Y-%m-%d %H%M") + " " + contact.host.call +
           " " + contact.host.band + " " + contact.host.mode;
}

}  // namespace

int auditCommand(const CommandContext& context)
{
    const std::vector<LogContact>& contacts = context.log->contacts;
    const std::vector<AuditFinding> findings = auditLog(contacts);
    std::size_t repeats = 0;
    std::size_t early = 0;
    for (const AuditFinding& finding : findings) {
        const LogContact& contact = contacts[finding.contact];
        const LogContact& earlier = contacts[finding.earlier];
        std::string line =
            "record " + std::to_string(contact.record) + " " + describe(contact) + ": ";
        if (finding.tooEarly) {
            ++early;
            line += "too early after record " + std::to_string(earlier.record) + " " +
                    describe(earlier) + ", " + waitText(finding.minutesToWait);
        } else {
            ++repeats;
            line += "exact repeat of record " + std::to_string(earlier.record) + " " +
                    describe(earlier);
        }
        std::printf("%s\n", shownText(line).c_str());
    }
    std::printf("audit: %s, %s, %s too early\n", counted(contacts.size(), "contact").c_str(),
                counted(repeats, "exact repeat").c_str(), std::to_string(early).c_str());
    return findings.empty() ? Clean : Found;
}
