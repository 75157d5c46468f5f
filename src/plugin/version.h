// The plug-in's version, defined once for the version resource and the code.
#pragma once

#define STATS_VERSION_MAJOR 1
#define STATS_VERSION_MINOR 0
#define STATS_VERSION_PATCH 0
#define STATS_VERSION_BUILD 0
#define STATS_VERSION_TEXT "1.0.0.0"
