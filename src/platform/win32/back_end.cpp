// Win32 back end of the platform seam: the real private-profile calls, MessageBoxA, the
// system clock, output files.
#include "platform/platform.h"

#include <windows.h>

#include <vector>

#include "platform/file_output.h"

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

bool writeWholeFile(const std::string& path, const std::string& bytes)
{
    // One temporary name per process; the calls of one process never overlap.
    const std::string temporary = temporaryBeside(path, GetCurrentProcessId());
    HANDLE file = fileStepFails() ? INVALID_HANDLE_VALUE
                                  : CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool ok = writeInPieces(bytes, [file](const char* piece, std::size_t size) -> std::size_t {
        DWORD wrote = 0;
        return WriteFile(file, piece, static_cast<DWORD>(size), &wrote, nullptr) ? wrote : 0;
    });
    ok = ok && !fileStepFails() && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    ok = ok && !fileStepFails();
    ok = ok && !fileStepFails() &&
         MoveFileExA(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileA(temporary.c_str());
    }
    return ok;
}

bool canOpenExclusively(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

bool readFileVersion(const std::string& path, uint32_t& versionMs, uint32_t& versionLs)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) {
        return false;
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) {
        return false;
    }
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", &value, &length) || value == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO)) {
        return false;
    }
    const VS_FIXEDFILEINFO* info = static_cast<const VS_FIXEDFILEINFO*>(value);
    // Numbers from a block without the signature were never a version.
    if (info->dwSignature != 0xFEEF04BDu) {
        return false;
    }
    versionMs = info->dwFileVersionMS;
    versionLs = info->dwFileVersionLS;
    return true;
}

}  // namespace platform
