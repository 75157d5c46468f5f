// Loading the native Stats library with dlopen.
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

#include <cstdio>

#include "plugin_loader_common.h"

const char* pluginFileName()
{
    return "libStats.so";
}

std::string programFile()
{
    char resolved[PATH_MAX];
    return realpath("/proc/self/exe", resolved) != nullptr ? std::string(resolved)
                                                           : std::string();
}

bool pluginFileExists(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

std::string asLibraryPath(const std::string& path)
{
    return path.find('/') == std::string::npos ? "./" + path : path;
}

bool loadStatsPlugin(const std::string& path, StatsPlugin& plugin, std::string& error)
{
    plugin = StatsPlugin();
    // RTLD_LOCAL: the library's symbols must not stand in for the caller's, nor the other way.
    plugin.module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (plugin.module == nullptr) {
        const char* reason = dlerror();
        error = "cannot load " + path + ": " + (reason != nullptr ? reason : "unknown error");
        return false;
    }
    if (!bindAllExports(plugin, error)) {
        unloadStatsPlugin(plugin);
        return false;
    }
    return true;
}

void unloadStatsPlugin(StatsPlugin& plugin)
{
    if (plugin.module != nullptr) {
        dlclose(plugin.module);
    }
    plugin = StatsPlugin();
}

void* findExport(const StatsPlugin& plugin, const char* name)
{
    return plugin.module != nullptr ? dlsym(plugin.module, name) : nullptr;
}
