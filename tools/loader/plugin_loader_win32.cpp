// Loading Stats.dll with LoadLibrary, as the host does.
#include <windows.h>

#include "plugin_loader_common.h"

const char* pluginFileName()
{
    return "Stats.dll";
}

std::string programFile()
{
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

std::string asLibraryPath(const std::string& path)
{
    return path.find_first_of("/\\:") == std::string::npos ? ".\\" + path : path;
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
