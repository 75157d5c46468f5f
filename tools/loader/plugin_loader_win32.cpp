// Loading Stats.dll with LoadLibrary, as the host does; paths are UTF-8, taken to the wide calls.
#include <windows.h>

#include "plugin_loader_common.h"
#include "wide_text_win32.h"

const char* pluginFileName()
{
    return "Stats.dll";
}

std::string programFile()
{
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, sizeof path / sizeof path[0]);
    return length > 0 && length < sizeof path / sizeof path[0]
               ? narrowToUtf8(std::wstring(path, length))
               : std::string();
}

bool pluginFileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(widenUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string asLibraryPath(const std::string& path)
{
    return path.find_first_of("/\\:") == std::string::npos ? ".\\" + path : path;
}

bool loadStatsPlugin(const std::string& path, StatsPlugin& plugin, std::string& error)
{
    plugin = StatsPlugin();
    HMODULE module = LoadLibraryW(widenUtf8(path).c_str());
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
