// Which host executable to ask for its version, and how the version is written.
#include "cabrillo/host_version.h"

#include "platform/platform.h"

std::string formatHostVersion(uint32_t versionMs, uint32_t versionLs)
{
    const std::string major = std::to_string(versionMs >> 16);
    const std::string minor = std::to_string(versionMs & 0xFFFFu);
    if (versionMs >> 16 == 2) {
        return major + "." + minor;
    }
    return major + "." + minor + "." + std::to_string(versionLs >> 16);
}

std::string hostVersionText()
{
    const char* const executable =
        platform::canOpenExclusively("Ravo2.exe") ? "Ravo2.exe" : "Ravo3.exe";
    uint32_t versionMs = 0;
    uint32_t versionLs = 0;
    if (!platform::readFileVersion(executable, versionMs, versionLs)) {
        return std::string();
    }
    return formatHostVersion(versionMs, versionLs);
}
