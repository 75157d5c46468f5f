// File identity from stat: device, inode, size and modification time to the nanosecond.
#include "platform/file_identity.h"

#include <sys/stat.h>

FileIdentity fileIdentity(const std::string& path)
{
    FileIdentity identity;
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return identity;
    }
    identity.exists = true;
    identity.volume = static_cast<uint64_t>(status.st_dev);
    identity.file = static_cast<uint64_t>(status.st_ino);
    identity.size = static_cast<uint64_t>(status.st_size);
    identity.modified = static_cast<uint64_t>(status.st_mtim.tv_sec) * 1000000000u +
                        static_cast<uint64_t>(status.st_mtim.tv_nsec);
    return identity;
}
