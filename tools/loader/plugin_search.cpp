// The plug-in's places, tried in order; loading itself is the platform loader's.
#include "plugin_search.h"

#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

bool exists(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

std::vector<std::string> places()
{
    const std::filesystem::path program = programFile();
    if (program.empty()) {
        return {};
    }
    const std::filesystem::path folder = program.parent_path();
    return {(folder / pluginFileName()).string(),
            (folder / ".." / "lib" / "vscscore" / pluginFileName()).lexically_normal().string()};
}

}  // namespace

bool findStatsPlugin(const std::string& library, StatsPlugin& plugin, std::string& error)
{
    if (!library.empty()) {
        return loadStatsPlugin(asLibraryPath(library), plugin, error);
    }
    std::string looked;
    for (const std::string& place : places()) {
        if (exists(place)) {
            return loadStatsPlugin(place, plugin, error);
        }
        looked += (looked.empty() ? "" : ", ") + place;
    }
    error = std::string("no ") + pluginFileName() + " found (looked in: " +
            (looked.empty() ? "nowhere; the program's own folder is unknown" : looked) +
            "); give --library PATH";
    return false;
}
