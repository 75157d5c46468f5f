// Win32 back end of the platform seam: the real private-profile calls, MessageBoxA and the
// system clock.
#include "platform/platform.h"

#include <windows.h>

#include <vector>

namespace platform {

std::string readProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& file)
{
    // The call cuts a value silently to the buffer; grow until it fits so nothing is lost.
    std::vector<char> buffer(256);
    for (;;) {
        DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(),
                                                defaultValue.c_str(), buffer.data(),
                                                static_cast<DWORD>(buffer.size()), file.c_str());
        if (length + 1 < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file)
{
    // A raw line break would add lines, and perhaps keys, to the file.
    if (value.find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      file.c_str()) != FALSE;
}

void showMessageBox(const std::string& text, const char* caption, unsigned style,
                    MessageBoxOwner owner)
{
    HWND ownerWindow = owner == MessageBoxOwner::ActiveWindow ? GetActiveWindow() : nullptr;
    MessageBoxA(ownerWindow, text.c_str(), caption, style);
}

DateTimeParts utcNow()
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    DateTimeParts parts;
    parts.year = now.wYear;
    parts.month = now.wMonth;
    parts.day = now.wDay;
    parts.hour = now.wHour;
    parts.minute = now.wMinute;
    parts.second = now.wSecond;
    return parts;
}

}  // namespace platform
