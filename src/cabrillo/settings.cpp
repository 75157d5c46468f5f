// Settings access through the platform's private-profile calls.
#include "cabrillo/settings.h"

#include "platform/platform.h"
#include "plugin/module_state.h"

std::string readSetting(const std::string& key, const std::string& defaultValue)
{
    return platform::readProfileString(g_SettingsSection, key, defaultValue, g_SettingsFile);
}

bool writeSetting(const std::string& key, const std::string& value)
{
    return platform::writeProfileString(g_SettingsSection, key, value, g_SettingsFile);
}
