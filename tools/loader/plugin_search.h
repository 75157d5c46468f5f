// Where the driver finds its plug-in: the way an installed program finds its own libraries.
#pragma once

#include <string>

#include "plugin_loader.h"

// library, when given, is a path (relative to the current folder). Otherwise the plug-in is
// the first found beside the program's real file, then in ../lib/vscscore/ from there. The
// error names every place looked.
bool findStatsPlugin(const std::string& library, StatsPlugin& plugin, std::string& error);
