// An empty log's summary and file hold nothing; the files they would replace are looked at
// first.
#include "empty_log_guard.h"

#include "cabrillo_check.h"
#include "claimed_setting.h"
#include "file_bytes.h"

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
        const std::size_t lines = readCabrillo(bytes).qsos.size();
        if (lines > 0) {
            return cabrilloName + " holds " + std::to_string(lines) + " QSO line" +
                   (lines == 1 ? "" : "s") + ", which a log with no contacts would replace";
        }
    }
    return std::string();
}
