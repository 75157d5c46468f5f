// The fixed file version in the version resource of a Windows executable, read from its bytes.
// Portable: the POSIX build has no system call for it. Every offset comes from the file, so
// every one is checked against the bytes held.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pe {

// The dwFileVersionMS and dwFileVersionLS of the image's VS_VERSION_INFO resource (type 16,
// id 1, its first language). False, versionMs and versionLs untouched, when the bytes are no
// PE image or hold no readable fixed file information.
bool readFixedFileVersion(const unsigned char* data, std::size_t size, uint32_t& versionMs,
                          uint32_t& versionLs);

// The same for a file; false as well when it cannot be read.
bool readFileFixedVersion(const std::string& path, uint32_t& versionMs, uint32_t& versionLs);

}  // namespace pe
