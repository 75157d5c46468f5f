// The name comes from cabrilloFileBase, as the plug-in names its own file: no call a client
// sends becomes a path.
#include "vscrobot/store/log_export.h"

#include <set>

#include "cabrillo/file_base.h"
#include "platform/folder_access.h"
#include "vscrobot/store/log_store.h"

std::string exportLogs(LogStore& store, const std::string& folder, std::size_t& written)
{
    written = 0;
    std::string error;
    if (!makeFolder(folder, error)) {
        return error;
    }
    std::set<std::string> used;
    std::vector<StoredLog> logs;
    if (!store.counting(true, logs, error)) {
        return error;
    }
    for (const StoredLog& log : logs) {
        const std::string base = cabrilloFileBase(log.call);
        std::string name = base + ".cbr";
        for (int n = 2; !used.insert(name).second; ++n) {
            name = base + "-" + std::to_string(n) + ".cbr";
        }
        if (!writeReportFile(folder + "/" + name, log.bytes, error)) {
            return error;
        }
        ++written;
    }
    return std::string();
}
