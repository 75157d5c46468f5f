// POSIX paths are bytes already: UTF-8 passes through.
#include "platform/utf8_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/platform.h"

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

std::FILE* openUtf8(const std::string& path, const char* mode)
{
    return std::fopen(path.c_str(), mode);
}

bool replaceFileUtf8(const std::string& path, const std::string& bytes, std::string& reason)
{
    errno = 0;
    if (platform::writeWholeFile(path, bytes)) {
        return true;
    }
    // The writer refuses a folder or a read-only file before any call that sets errno.
    reason = errno != 0 ? std::strerror(errno) : "not a file that may be replaced";
    return false;
}

bool removeFileUtf8(const std::string& path)
{
    return std::remove(path.c_str()) == 0;
}

bool isSymbolicLinkUtf8(const std::string& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}
