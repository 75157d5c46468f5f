// Folders through POSIX directory calls.
#include "platform/folder_access.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why the entry is not read as a log; empty when it is. A link is judged by where it leads:
// one out of the folder could make a sponsor score a log from elsewhere, or read /proc.
std::string skipReason(const std::string& path, const std::string& realFolder)
{
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        return std::string("cannot be read: ") + std::strerror(errno);
    }
    if (S_ISREG(status.st_mode)) {
        return std::string();
    }
    if (S_ISDIR(status.st_mode)) {
        return "a folder";
    }
    if (!S_ISLNK(status.st_mode)) {
        return "not a regular file";
    }
    if (stat(path.c_str(), &status) != 0) {
        return "a link to nothing";
    }
    if (S_ISDIR(status.st_mode)) {
        return "a link to a folder";
    }
    if (!S_ISREG(status.st_mode)) {
        return "not a regular file";
    }
    char* real = realpath(path.c_str(), nullptr);
    const std::string target = real == nullptr ? std::string() : std::string(real);
    std::free(real);
    const std::string inside = realFolder == "/" ? realFolder : realFolder + "/";
    if (realFolder.empty() || target.compare(0, inside.size(), inside) != 0) {
        return "a link to a file outside the folder";
    }
    return std::string();
}

bool readAll(int file, uint64_t limit, std::string& bytes)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(file, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > limit) {
            errno = EFBIG;
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace

bool isFolder(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool isLink(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

bool listFolder(const std::string& path, std::vector<std::string>& names,
                std::vector<SkippedEntry>& skipped, std::string& error)
{
    DIR* folder = opendir(path.c_str());
    if (folder == nullptr) {
        error = "cannot read folder " + path + ": " + std::strerror(errno);
        return false;
    }
    char* real = realpath(path.c_str(), nullptr);
    const std::string realFolder = real == nullptr ? std::string() : std::string(real);
    std::free(real);
    names.clear();
    skipped.clear();
    while (const dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        const std::string reason = skipReason(path + "/" + name, realFolder);
        if (reason.empty()) {
            names.push_back(name);
        } else {
            skipped.push_back({name, reason});
        }
    }
    closedir(folder);
    std::sort(names.begin(), names.end());
    std::sort(skipped.begin(), skipped.end(),
              [](const SkippedEntry& a, const SkippedEntry& b) { return a.name < b.name; });
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

bool readRegularFile(const std::string& path, uint64_t limit, std::size_t firstSize,
                     const FirstBytesJudge& judge, std::string& bytes, std::string& error)
{
    // Non-blocking: opening a FIFO with no writer must not wait for one.
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        error = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    struct stat status {};
    bool ok = fstat(file, &status) == 0;
    if (!ok) {
        error = std::string("cannot read: ") + std::strerror(errno);
    } else if (!S_ISREG(status.st_mode)) {
        error = "not a regular file";
        ok = false;
    } else if (static_cast<uint64_t>(status.st_size) > limit) {
        error = tooLargeReason(static_cast<uint64_t>(status.st_size), limit);
        ok = false;
    }
    bytes.clear();
    if (ok) {
        std::string first(std::min<uint64_t>(firstSize, static_cast<uint64_t>(status.st_size)),
                          '\0');
        const ssize_t got = pread(file, &first[0], first.size(), 0);
        first.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        error = judge(first);
        ok = error.empty();
    }
    if (ok) {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
        ok = readAll(file, limit, bytes);
        if (!ok) {
            error = errno == EFBIG ? tooLargeReason(bytes.size() + 1, limit)
                                   : std::string("cannot read: ") + std::strerror(errno);
        }
    }
    close(file);
    return ok;
}

bool writeReportFile(const std::string& path, const std::string& bytes, std::string& error)
{
    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    // A new file only: a link planted under the temporary name is never written through.
    const int descriptor =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    FILE* file = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
    if (file == nullptr) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        if (descriptor >= 0) {
            close(descriptor);
            std::remove(temporary.c_str());
        }
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
