// Whole files for tests: written and read as bytes, never translated.
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/read_whole_file.h"

namespace support {

inline void putFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The bytes of the file; empty when it cannot be read.
inline std::string fileText(const std::filesystem::path& path)
{
    std::string bytes;
    readWholeFile(path.string(), bytes);
    return bytes;
}

inline std::size_t folderEntries(const std::filesystem::path& folder)
{
    std::size_t count = 0;
    for (auto it = std::filesystem::directory_iterator(folder);
         it != std::filesystem::directory_iterator(); ++it) {
        ++count;
    }
    return count;
}

}  // namespace support
