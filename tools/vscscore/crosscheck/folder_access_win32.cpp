// Folders through the Win32 file calls.
#include "folder_access.h"

#include <algorithm>
#include <cstdio>
#include <io.h>
#include <windows.h>

namespace {

std::string lastError()
{
    return "error " + std::to_string(GetLastError());
}

}  // namespace

bool isFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool listFolder(const std::string& path, std::vector<std::string>& names, std::string& error)
{
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        error = "cannot read folder " + path + ": " + lastError();
        return false;
    }
    names.clear();
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.push_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return true;
}

bool makeFolder(const std::string& path, std::string& error)
{
    if (CreateDirectoryA(path.c_str(), nullptr) || isFolder(path)) {
        return true;
    }
    error = "cannot make folder " + path + ": " + lastError();
    return false;
}

bool errorIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}
