// POSIX back end of the platform seam: the settings file through the portable profile engine,
// messages on standard error, the system clock, output files.
#include "platform/platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "platform/file_output.h"
#include "platform/posix/pe_version.h"
#include "platform/posix/profile_file.h"

namespace platform {

namespace {

std::string nativePath(std::string path)
{
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

}  // namespace

std::string readProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& file)
{
    return profile::readString(nativePath(file), section, key, defaultValue);
}

bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file)
{
    return profile::writeString(nativePath(file), section, key, value);
}

void showMessageBox(const std::string& text, const char* caption, unsigned, MessageBoxOwner)
{
    // No windows here: the box becomes one line for whoever runs the library.
    if (caption != nullptr && *caption != '\0') {
        std::fprintf(stderr, "%s: %s\n", caption, text.c_str());
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    std::fflush(stderr);
}

DateTimeParts utcNow()
{
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    DateTimeParts parts;
    parts.year = utc.tm_year + 1900;
    parts.month = utc.tm_mon + 1;
    parts.day = utc.tm_mday;
    parts.hour = utc.tm_hour;
    parts.minute = utc.tm_min;
    parts.second = utc.tm_sec;
    return parts;
}

namespace {

std::size_t writeSome(int fd, const char* bytes, std::size_t size)
{
    ssize_t wrote = 0;
    do {
        wrote = ::write(fd, bytes, size);
    } while (wrote < 0 && errno == EINTR);
    return wrote > 0 ? static_cast<std::size_t>(wrote) : 0;
}

}  // namespace

bool writeWholeFile(const std::string& path, const std::string& bytes)
{
    const std::string target = nativePath(path);
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    // Windows refuses to replace a read-only file; rename would not.
    if (existed && (!S_ISREG(old.st_mode) || ::access(target.c_str(), W_OK) != 0)) {
        return false;
    }
    // One temporary name per process; the calls of one process never overlap.
    const std::string temporary =
        temporaryBeside(target, static_cast<unsigned long>(::getpid()));
    const int fd = fileStepFails()
                       ? -1
                       : ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool ok = writeInPieces(
        bytes, [fd](const char* piece, std::size_t size) { return writeSome(fd, piece, size); });
    ok = ok && (!existed || ::fchmod(fd, old.st_mode & 07777) == 0);
    ok = ok && !fileStepFails() && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && !fileStepFails();
    ok = ok && !fileStepFails() && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
    }
    return ok;
}

bool canOpenExclusively(const std::string& path)
{
    // POSIX has no sharing modes; a folder is refused as Windows refuses it.
    const int fd = ::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool isFile = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return isFile;
}

bool readFileVersion(const std::string& path, uint32_t& versionMs, uint32_t& versionLs)
{
    struct stat info {};
    const std::string file = nativePath(path);
    return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           pe::readFileFixedVersion(file, versionMs, versionLs);
}

}  // namespace platform
