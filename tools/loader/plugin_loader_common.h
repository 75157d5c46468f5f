// The part of plug-in loading that both back ends share: binding the ten names.
#pragma once

#include <string>

#include "plugin_loader.h"

template <typename Function>
bool bindExport(const StatsPlugin& plugin, const char* name, Function& target, std::string& error)
{
    void* address = findExport(plugin, name);
    if (address == nullptr) {
        error += std::string(error.empty() ? "missing export: " : ", ") + name;
        return false;
    }
    target = reinterpret_cast<Function>(address);
    return true;
}

inline bool bindAllExports(StatsPlugin& plugin, std::string& error)
{
    bool ok = bindExport(plugin, "GetNumberOfSets", plugin.GetNumberOfSets, error);
    ok = bindExport(plugin, "GetSetName", plugin.GetSetName, error) && ok;
    ok = bindExport(plugin, "SetupSet0", plugin.SetupSet0, error) && ok;
    ok = bindExport(plugin, "ResetStats0", plugin.ResetStats0, error) && ok;
    ok = bindExport(plugin, "AddData0", plugin.AddData0, error) && ok;
    ok = bindExport(plugin, "RemoveData0", plugin.RemoveData0, error) && ok;
    ok = bindExport(plugin, "CheckCall0", plugin.CheckCall0, error) && ok;
    ok = bindExport(plugin, "GetResult0", plugin.GetResult0, error) && ok;
    ok = bindExport(plugin, "GetExchgCount0", plugin.GetExchgCount0, error) && ok;
    ok = bindExport(plugin, "IsValidExchg0", plugin.IsValidExchg0, error) && ok;
    return ok;
}
