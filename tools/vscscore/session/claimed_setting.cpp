// Reads the claimed score back through the plug-in's own settings access, key and file as the
// plug-in names them.
#include "session/claimed_setting.h"

#include <filesystem>

#include "cabrillo/settings.h"

bool claimedScoreSaved(const std::string& claimed)
{
    std::error_code ignored;
    if (!std::filesystem::is_directory("Plugins", ignored)) {
        return true;
    }
    const SettingsLocation settings = {PluginSettingsSection, PluginSettingsFile};
    return readSetting(settings, ClaimedScoreKey, std::string()) == claimed;
}

bool savedClaimedScore(std::string& claimed)
{
    const SettingsLocation settings = {PluginSettingsSection, PluginSettingsFile};
    claimed = readSetting(settings, ClaimedScoreKey, std::string());
    return !claimed.empty();
}
