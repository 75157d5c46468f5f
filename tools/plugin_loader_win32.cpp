// Loading Stats.dll with LoadLibrary, as the host does.
#include <windows.h>

#include "plugin_loader_common.h"

const char* pluginFileName()
{
    return "Stats.dll";
}

bool loadStatsPlugin(const std::string& path, StatsPlugin& plugin, std::string& error)
{
    plugin = StatsPlugin();
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        error = "cannot load " + path + ": error " + std::to_string(GetLastError());
        return false;
    }
    plugin.module = reinterpret_cast<void*>(module);
    if (!bindAllExports(plugin, error)) {
        unloadStatsPlugin(plugin);
        return false;
    }
    return true;
}

void unloadStatsPlugin(StatsPlugin& plugin)
{
    if (plugin.module != nullptr) {
        FreeLibrary(reinterpret_cast<HMODULE>(plugin.module));
    }
    plugin = StatsPlugin();
}

void* findExport(const StatsPlugin& plugin, const char* name)
{
    if (plugin.module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void*>(
        GetProcAddress(reinterpret_cast<HMODULE>(plugin.module), name));
}
