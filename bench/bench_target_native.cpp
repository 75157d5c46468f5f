// The entry points linked in directly; the export run is the core's, without the report box,
// which here would only print a line per run.
#include "bench_target.h"

#include "cabrillo/export_run.h"
#include "plugin/exports.h"
#include "plugin/module_state.h"

bool openBenchTarget(BenchTarget& target, std::string&)
{
    StatsPlugin& plugin = target.plugin;
    plugin.GetNumberOfSets = &::GetNumberOfSets;
    plugin.GetSetName = &::GetSetName;
    plugin.SetupSet0 = &::SetupSet0;
    plugin.ResetStats0 = &::ResetStats0;
    plugin.AddData0 = &::AddData0;
    plugin.RemoveData0 = &::RemoveData0;
    plugin.CheckCall0 = &::CheckCallFunc0;
    plugin.GetResult0 = &::GetResult0;
    plugin.GetExchgCount0 = &::StatsGetExchgCount0;
    plugin.IsValidExchg0 = &::StatsIsValidExchg0;
    target.exportRun = [] {
        g_CabrilloWriter.Callsign = "Q0BENCH";
        g_CabrilloWriter.FileBase = "Q0BENCH";
        exportContacts(g_Contacts, g_CabrilloWriter, g_Score);
    };
    return true;
}
