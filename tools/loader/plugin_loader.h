// Loads the Stats library the way the host does: by file name, entry points by plain name.
#pragma once

#include <string>

#include "plugin/exports.h"

// The ten entry points, typed with the exact argument lists the host pushes.
struct StatsPlugin {
    void* module = nullptr;
    decltype(&::GetNumberOfSets) GetNumberOfSets = nullptr;
    decltype(&::GetSetName) GetSetName = nullptr;
    decltype(&::SetupSet0) SetupSet0 = nullptr;
    decltype(&::ResetStats0) ResetStats0 = nullptr;
    decltype(&::AddData0) AddData0 = nullptr;
    decltype(&::RemoveData0) RemoveData0 = nullptr;
    decltype(&::CheckCallFunc0) CheckCall0 = nullptr;
    decltype(&::GetResult0) GetResult0 = nullptr;
    decltype(&::StatsGetExchgCount0) GetExchgCount0 = nullptr;
    decltype(&::StatsIsValidExchg0) IsValidExchg0 = nullptr;
};

// The library's file name on this platform, as the build makes it.
const char* pluginFileName();

// The running program's own file (UTF-8), symlinks resolved; empty when the system does not say.
std::string programFile();

// Whether a file (not a folder) can be found at the UTF-8 path.
bool pluginFileExists(const std::string& path);

// A path the loader takes as one, a bare file name meaning the current folder's file rather
// than one found on the library search path.
std::string asLibraryPath(const std::string& path);

// Fills every entry point; on failure says what is missing in error and leaves nothing loaded.
bool loadStatsPlugin(const std::string& path, StatsPlugin& plugin, std::string& error);
void unloadStatsPlugin(StatsPlugin& plugin);

// Looks up any exported name, for checks beyond the ten plain names.
void* findExport(const StatsPlugin& plugin, const char* name);
