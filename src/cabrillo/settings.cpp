// Settings access through the platform's private-profile calls.
#include "cabrillo/settings.h"

#include "platform/platform.h"

std::string readSetting(const SettingsLocation& where, const std::string& key,
                        const std::string& defaultValue)
{
    return platform::readProfileString(where.section, key, defaultValue, where.file);
}

bool writeSetting(const SettingsLocation& where, const std::string& key,
                  const std::string& value)
{
    return platform::writeProfileString(where.section, key, value, where.file);
}

bool updateSetting(const SettingsLocation& where, const std::string& key,
                   const std::string& value)
{
    if (!value.empty() && readSetting(where, key, "") == value) {
        return true;
    }
    return writeSetting(where, key, value);
}
