// Calls into the loaded plug-in with full host argument lists, as the host pushes them. The
// positions the plug-in ignores carry marker texts and numbers, so a slot counted wrong shows.
#pragma once

#include <ctime>
#include <string>

#include "scoring/ole_date.h"
#include "plugin_loader.h"

struct HostContact {
    std::string call;
    DateRecord time;
    unsigned frequencyHz = 0;
    std::string mode;
    std::string rstSent;
    std::string rstRcvd;
    std::string exchSent;
    std::string exchRcvd;
    std::string aux1;
    std::string aux2;
    std::string band;
};

// A moment of the system clock as the host logs it: a UTC date record to the second.
DateRecord hostUtcDate(std::time_t moment);

int hostResetStats(const StatsPlugin& plugin, int exportCabrillo, const std::string& callsign,
                   const DateRecord& titleDate);
int hostAddData(const StatsPlugin& plugin, const HostContact& contact);
int hostRemoveData(const StatsPlugin& plugin, const HostContact& contact);
// warning: the host's 100-byte buffer, or null; secondOutput: what the host passes as the other
// output pointer (argument 27), a buffer of the host's own when null.
int hostCheckCall(const StatsPlugin& plugin, const std::string& call, const std::string& mode,
                  const std::string& band, char* warning, char* secondOutput = nullptr);
