// Folders through the Win32 file calls, wide-character ones: paths are UTF-8 in the driver.
#include "platform/folder_access.h"

#include <algorithm>
#include <cstdio>
#include <io.h>
#include <windows.h>

#include "wide_text_win32.h"

namespace {

std::string lastError()
{
    return "error " + std::to_string(GetLastError());
}

}  // namespace

bool isFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(widenUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool listFolder(const std::string& path, std::vector<std::string>& names, std::string& error)
{
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW(widenUtf8(path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        error = "cannot read folder " + path + ": " + lastError();
        return false;
    }
    names.clear();
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.push_back(narrowToUtf8(found.cFileName));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return true;
}

bool makeFolder(const std::string& path, std::string& error)
{
    if (CreateDirectoryW(widenUtf8(path).c_str(), nullptr) || isFolder(path)) {
        return true;
    }
    error = "cannot make folder " + path + ": " + lastError();
    return false;
}

bool errorIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}

bool writeReportFile(const std::string& path, const std::string& bytes, std::string& error)
{
    const std::string temporary = path + ".tmp" + std::to_string(GetCurrentProcessId());
    HANDLE file = CreateFileW(widenUtf8(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot write " + path + ": " + lastError();
        return false;
    }
    bool ok = true;
    for (std::size_t at = 0; ok && at < bytes.size();) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, 1 << 20));
        DWORD done = 0;
        ok = WriteFile(file, bytes.data() + at, piece, &done, nullptr) && done == piece;
        at += piece;
    }
    ok = CloseHandle(file) && ok;
    if (!ok || !MoveFileExW(widenUtf8(temporary).c_str(), widenUtf8(path).c_str(),
                             MOVEFILE_REPLACE_EXISTING)) {
        error = "cannot write " + path + ": " + lastError();
        DeleteFileW(widenUtf8(temporary).c_str());
        return false;
    }
    return true;
}
