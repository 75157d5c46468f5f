// Stats.dll loaded by file name as the host loads it, with the host's automation object
// running as it does under the host: the first result request sets the host up, and the later
// ones do not try again. The export run is a result request with the export requested; a
// helper thread answers the report box, so its time is in the figure.
#include "bench_target.h"

#include <cstdlib>
#include <exception>

#include "library/fake_host_object.h"
#include "library/report_boxes.h"

bool openBenchTarget(BenchTarget& target, std::string& error)
{
    const char* path = std::getenv("STATS_LIBRARY");
    if (!loadStatsPlugin(path != nullptr ? path : pluginFileName(), target.plugin, error)) {
        return false;
    }
    const StatsPlugin& plugin = target.plugin;
    try {
        static FakeHostObject host(plugin);
        host.startRunning();
    } catch (const std::exception& failure) {
        error = failure.what();
        return false;
    }
    target.exportRun = [&plugin] {
        reportsShownBy([&plugin] {
            int score = 0;
            plugin.GetResult0(&score);
        });
    };
    target.resetForExport = [&plugin] {
        // The header dialog of the export request is cancelled: the stored values stay.
        reportsShownBy([&plugin] {
            hostResetStats(plugin, 1, "Q0BENCH", DateRecord::make(46023.0));
        });
    };
    return true;
}
