// The plug-in's places, tried in order; loading itself is the platform loader's.
#include "plugin_search.h"

#include <filesystem>
#include <vector>

namespace {

std::vector<std::string> places()
{
    const std::string file = programFile();
    if (file.empty()) {
        return {};
    }
    // u8path: the names stay UTF-8 whatever the system's code page.
    const std::filesystem::path folder = std::filesystem::u8path(file).parent_path();
    return {(folder / pluginFileName()).u8string(),
            (folder / ".." / "lib" / "vscscore" / pluginFileName()).lexically_normal().u8string()};
}

}  // namespace

bool findStatsPlugin(const std::string& library, StatsPlugin& plugin, std::string& error)
{
    if (!library.empty()) {
        return loadStatsPlugin(asLibraryPath(library), plugin, error);
    }
    std::string looked;
    for (const std::string& place : places()) {
        if (pluginFileExists(place)) {
            return loadStatsPlugin(place, plugin, error);
        }
        looked += (looked.empty() ? "" : ", ") + place;
    }
    error = std::string("no ") + pluginFileName() + " found (looked in: " +
            (looked.empty() ? "nowhere; the program's own folder is unknown" : looked) +
            "); give --library PATH";
    return false;
}
