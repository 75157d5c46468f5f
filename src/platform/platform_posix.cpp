// POSIX back end of the platform seam: the settings file through the portable profile engine,
// messages on standard error, the system clock.
#include "platform/platform.h"

#include <cstdio>
#include <ctime>

#include "platform/profile_file.h"

namespace platform {

namespace {

std::string nativePath(std::string path)
{
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

}  // namespace

std::string readProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& file)
{
    return profile::readString(nativePath(file), section, key, defaultValue);
}

bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file)
{
    return profile::writeString(nativePath(file), section, key, value);
}

void showMessageBox(const std::string& text, const char* caption, unsigned, MessageBoxOwner)
{
    // No windows here: the box becomes one line for whoever runs the library.
    if (caption != nullptr && *caption != '\0') {
        std::fprintf(stderr, "%s: %s\n", caption, text.c_str());
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    std::fflush(stderr);
}

DateTimeParts utcNow()
{
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    DateTimeParts parts;
    parts.year = utc.tm_year + 1900;
    parts.month = utc.tm_mon + 1;
    parts.day = utc.tm_mday;
    parts.hour = utc.tm_hour;
    parts.minute = utc.tm_min;
    parts.second = utc.tm_sec;
    return parts;
}

}  // namespace platform
