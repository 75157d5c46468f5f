// Which version of a file a path names, so the driver can tell whether the plug-in replaced
// it without touching it.
#pragma once

#include <cstdint>
#include <string>

struct FileIdentity {
    bool exists = false;
    uint64_t volume = 0;
    uint64_t file = 0;  // the file's number on its volume
    uint64_t size = 0;
    uint64_t modified = 0;  // last write, in the system's own units

    bool operator==(const FileIdentity& other) const
    {
        return exists == other.exists && volume == other.volume && file == other.file &&
               size == other.size && modified == other.modified;
    }
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

// path in UTF-8.
FileIdentity fileIdentity(const std::string& path);
