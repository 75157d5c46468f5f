// Reading a whole file into memory with the C library, the same in both builds.
#include "platform/read_whole_file.h"

#include <cerrno>
#include <cstdio>
#include <exception>

FileRead readWholeFile(const std::string& path, std::string& bytes)
{
    return readWholeOpenFile(std::fopen(path.c_str(), "rb"), bytes);
}

FileRead readWholeOpenFile(std::FILE* file, std::string& bytes)
{
    bytes.clear();
    if (file == nullptr) {
        return FileRead::CannotOpen;
    }
    // Room for the whole file at once where its size can be told: grown chunk by chunk, a
    // large file is copied again at every step.
    // The size is a hint only: a folder opened as a file tells the largest size there is.
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        std::rewind(file);
        try {
            if (size > 0) {
                bytes.reserve(static_cast<std::size_t>(size));
            }
        } catch (const std::exception&) {
        }
    }
    char chunk[65536];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, count);
    }
    const bool failed = std::ferror(file) != 0;
    const int readError = errno;
    std::fclose(file);
    if (failed) {
        errno = readError;
        return FileRead::Failed;
    }
    return FileRead::Read;
}
