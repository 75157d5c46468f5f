// vscscore audit: every exact repeat and every contact made too early, then the counts.
#include <cstdio>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/shown_text.h"
#include "audit/log_audit.h"
#include "cli/messages.h"

int auditCommand(const CommandContext& context)
{
    const std::vector<LogContact>& contacts = context.log->contacts;
    const std::vector<AuditFinding> findings = auditLog(contacts);
    std::size_t repeats = 0;
    std::size_t early = 0;
    for (const AuditFinding& finding : findings) {
        const LogContact& contact = contacts[finding.contact];
        const LogContact& earlier = contacts[finding.earlier];
        ++(finding.tooEarly ? early : repeats);
        const std::string line =
            contactText("record " + std::to_string(contact.record), contact) + ": " +
            findingText(finding, contactText("record " + std::to_string(earlier.record), earlier));
        std::printf("%s\n", shownText(line).c_str());
    }
    std::printf("audit: %s, %s, %s too early\n", counted(contacts.size(), "contact").c_str(),
                counted(repeats, "exact repeat").c_str(), std::to_string(early).c_str());
    return findings.empty() ? Clean : Found;
}
