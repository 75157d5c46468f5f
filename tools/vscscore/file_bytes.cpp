// A whole file read as bytes, with the system's reason when it cannot be.
#include "file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool readFileBytes(const std::string& path, std::string& bytes, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    bytes.clear();
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, got);
    }
    const int failure = std::ferror(file) != 0 ? errno : 0;
    std::fclose(file);
    if (failure != 0) {
        error = "cannot read " + path + ": " + std::strerror(failure);
        return false;
    }
    return true;
}
