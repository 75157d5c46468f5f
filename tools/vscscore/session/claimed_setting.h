// Whether the plug-in's settings file holds the claimed score it was to record.
#pragma once

#include <string>

// True when there is no Plugins folder (the plug-in keeps no settings then) or when the
// plug-in's claimed-score setting holds claimed.
bool claimedScoreSaved(const std::string& claimed);

// The Claimed key's value, when the settings file has one.
bool savedClaimedScore(std::string& claimed);
