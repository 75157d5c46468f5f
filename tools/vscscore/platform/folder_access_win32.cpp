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

bool isLink(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(widenUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool listFolder(const std::string& path, std::vector<std::string>& names,
                std::vector<SkippedEntry>& skipped, std::string& error)
{
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW(widenUtf8(path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        error = "cannot read folder " + path + ": " + lastError();
        return false;
    }
    names.clear();
    skipped.clear();
    do {
        const std::string name = narrowToUtf8(found.cFileName);
        const DWORD attributes = found.dwFileAttributes;
        const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        // Where a link or junction leads is not followed: the sound side of "inside the folder".
        if (name == "." || name == "..") {
            continue;
        }
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            skipped.push_back({name, folder ? "a link to a folder" : "a link, not followed"});
        } else if (folder) {
            skipped.push_back({name, "a folder"});
        } else {
            names.push_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    std::sort(skipped.begin(), skipped.end(),
              [](const SkippedEntry& a, const SkippedEntry& b) { return a.name < b.name; });
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

bool readRegularFile(const std::string& path, uint64_t limit, std::size_t firstSize,
                     const FirstBytesJudge& judge, std::string& bytes, std::string& error)
{
    HANDLE file = CreateFileW(widenUtf8(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot open: " + lastError();
        return false;
    }
    bytes.clear();
    LARGE_INTEGER size = {};
    BY_HANDLE_FILE_INFORMATION info = {};
    bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
              (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
              GetFileSizeEx(file, &size);
    if (!ok) {
        error = "not a regular file";
    } else if (static_cast<uint64_t>(size.QuadPart) > limit) {
        error = tooLargeReason(static_cast<uint64_t>(size.QuadPart), limit);
        ok = false;
    }
    const auto readInto = [&](std::size_t count) {
        const std::size_t at = bytes.size();
        bytes.resize(at + count);
        DWORD done = 0;
        const bool read = ReadFile(file, &bytes[at], static_cast<DWORD>(count), &done, nullptr);
        bytes.resize(at + done);
        return read && done == count;
    };
    if (ok) {
        ok = readInto(static_cast<std::size_t>(
            std::min<uint64_t>(firstSize, static_cast<uint64_t>(size.QuadPart))));
        error = ok ? judge(bytes) : "cannot read: " + lastError();
        ok = ok && error.empty();
    }
    while (ok && bytes.size() < static_cast<uint64_t>(size.QuadPart)) {
        const uint64_t left = static_cast<uint64_t>(size.QuadPart) - bytes.size();
        ok = readInto(static_cast<std::size_t>(std::min<uint64_t>(left, 1 << 20)));
        if (!ok) {
            error = "cannot read: " + lastError();
        }
    }
    CloseHandle(file);
    return ok;
}

bool writeReportFile(const std::string& path, const std::string& bytes, std::string& error)
{
    const std::string temporary = path + ".tmp" + std::to_string(GetCurrentProcessId());
    // A new file only: nothing planted under the temporary name is written through.
    HANDLE file = CreateFileW(widenUtf8(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
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
