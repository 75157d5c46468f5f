// The driver's reason for a file it cannot read, over the one whole-file read.
#include "input/file_bytes.h"

#include <cerrno>
#include <cstring>

#include "platform/read_whole_file.h"
#include "platform/utf8_files.h"

bool readFileBytes(const std::string& path, std::string& bytes, std::string& error)
{
    if (readWholeOpenFile(openUtf8(path, "rb"), bytes) == FileRead::Read) {
        return true;
    }
    error = "cannot read " + path + ": " + std::strerror(errno);
    return false;
}
