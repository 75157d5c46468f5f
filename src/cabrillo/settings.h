// The plug-in's settings: keys of one section of a private-profile file, named relative to the
// host's working folder ("Plugins\VESTAR.ini", section "Settings").
#pragma once

#include <string>

struct SettingsLocation {
    std::string section;
    std::string file;
};

// Where the plug-in keeps its settings, and the key that records the claimed score; the
// plug-in and the tools that read its settings back name them only from here.
constexpr char PluginSettingsSection[] = "Settings";
constexpr char PluginSettingsFile[] = "Plugins\\VESTAR.ini";
constexpr char ClaimedScoreKey[] = "Claimed";

std::string readSetting(const SettingsLocation& where, const std::string& key,
                        const std::string& defaultValue);

// False when the file could not be written; the callers' results never depend on it.
bool writeSetting(const SettingsLocation& where, const std::string& key,
                  const std::string& value);

// As writeSetting, but reads the key first and leaves the file alone when it already holds
// value, so a request that changes nothing costs no write. A missing key reads as empty, so an
// empty value is always written.
bool updateSetting(const SettingsLocation& where, const std::string& key,
                   const std::string& value);
