// An empty log's summary and file hold nothing; the files they would replace are looked at
// first.
#include "export/empty_log_guard.h"

#include <utility>

#include "session/claimed_setting.h"
#include "cli/counted_text.h"
#include "export/export_read_back.h"
#include "input/file_bytes.h"
#include "cli/messages.h"

std::string emptyLogWouldReplace(const std::string& cabrilloName)
{
    std::string claimed;
    if (savedClaimedScore(claimed) && !claimed.empty() && claimed != "0") {
        return "Plugins/VESTAR.ini holds the claimed score " + claimed +
               ", which a log with no contacts would replace with 0";
    }
    std::string bytes;
    std::string ignored;
    if (!cabrilloName.empty() && readFileBytes(cabrilloName, bytes, ignored)) {
        const std::size_t lines = readCabrillo(std::move(bytes)).qsos.size();
        if (lines > 0) {
            return cabrilloName + " holds " + counted(lines, "QSO line") + ", which a log with no contacts would replace";
        }
    }
    return std::string();
}

bool emptyLogRefused(bool noContacts, const std::string& cabrilloName)
{
    const std::string reason = noContacts ? emptyLogWouldReplace(cabrilloName) : std::string();
    if (!reason.empty()) {
        say(reason + "; nothing done");
    }
    return !reason.empty();
}
