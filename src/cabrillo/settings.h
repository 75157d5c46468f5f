// The plug-in's settings: keys of section "Settings" in "Plugins\VESTAR.ini", relative to the
// host's working folder.
#pragma once

#include <string>

std::string readSetting(const std::string& key, const std::string& defaultValue);

// False when the file could not be written; the callers' results never depend on it.
bool writeSetting(const std::string& key, const std::string& value);
