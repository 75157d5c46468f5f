// The plug-in as the host drives it for score, export and check: loaded, fed the log, asked
// for its result, unloaded.
#pragma once

#include <string>

#include "cli/commands.h"
#include "input/packed_contacts.h"
#include "plugin_loader.h"

class PluginSession {
public:
    explicit PluginSession(const CommandContext& context);
    ~PluginSession();
    PluginSession(const PluginSession&) = delete;
    PluginSession& operator=(const PluginSession&) = delete;

    // Finds and loads the plug-in; false after saying why.
    bool load();
    void unload();

    // A reset (exporting or not), then every contact of the log, in whichever form it was
    // read.
    void feedLog(int exportCabrillo);

    // The result request: prints the summary; returns what the plug-in reported to the
    // operator.
    std::string requestResult(int& score);

    const std::string& call() const { return call_; }

    const StatsPlugin& plugin() const { return plugin_; }

private:
    const CommandContext& context_;
    std::string call_;
    StatsPlugin plugin_;
};

// The callsign the host hands over: --call as the host hands it, else the log's station.
std::string stationCall(const CommandContext& context);

// Unless the plug-in's settings hold the claimed score, says so.
void warnUnlessClaimedSaved(const std::string& claimed);
