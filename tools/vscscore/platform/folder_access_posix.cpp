// Folders through POSIX directory calls.
#include "platform/folder_access.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

bool isFolder(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool listFolder(const std::string& path, std::vector<std::string>& names, std::string& error)
{
    DIR* folder = opendir(path.c_str());
    if (folder == nullptr) {
        error = "cannot read folder " + path + ": " + std::strerror(errno);
        return false;
    }
    names.clear();
    while (const dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        struct stat status {};
        if (stat((path + "/" + name).c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
            names.push_back(name);
        }
    }
    closedir(folder);
    std::sort(names.begin(), names.end());
    return true;
}

bool makeFolder(const std::string& path, std::string& error)
{
    if (mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && isFolder(path))) {
        return true;
    }
    error = "cannot make folder " + path + ": " + std::strerror(errno);
    return false;
}

bool errorIsTerminal()
{
    return isatty(STDERR_FILENO) != 0;
}

bool writeReportFile(const std::string& path, const std::string& bytes, std::string& error)
{
    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
