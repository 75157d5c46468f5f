// The folders the cross-check reads and writes. One POSIX and one Win32 file implement it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

bool isFolder(const std::string& path);
// True when the path itself is a symbolic link (a reparse point on Windows).
bool isLink(const std::string& path);

// An entry of a folder that is not read as a log, and why ("a folder", "a link to nothing").
struct SkippedEntry {
    std::string name;
    std::string reason;
};

// The names of the regular files in the folder, sorted; a link counts as the file it names
// only where that file lies inside the folder. Every other entry is in skipped, sorted. False
// with the reason when the folder cannot be read.
bool listFolder(const std::string& path, std::vector<std::string>& names,
                std::vector<SkippedEntry>& skipped, std::string& error);

// Makes the folder unless it is there; false with the reason when it is not there after.
bool makeFolder(const std::string& path, std::string& error);

// True when standard error is a terminal, where a progress line may be shown.
bool errorIsTerminal();

// "N bytes, more than the limit of L bytes": both back ends say it alike.
std::string tooLargeReason(uint64_t size, uint64_t limit);

// Why the first bytes of a file rule it out; empty when they do not.
using FirstBytesJudge = std::function<std::string(const std::string& first)>;

// Reads a file whole when it is a regular file of at most limit bytes whose first bytes
// (up to firstSize) judge passes: a device, a FIFO or a huge file is refused before it is read.
// False with the reason alone ("not a regular file"); the caller names the file.
bool readRegularFile(const std::string& path, uint64_t limit, std::size_t firstSize,
                     const FirstBytesJudge& judge, std::string& bytes, std::string& error);

// Writes a report whole: a temporary file beside path, every write and the close checked, then
// renamed over it. Not flushed to the disk: thousands of reports that a run writes again in
// seconds are not worth a disk flush each. False with the reason; the target is then as it was.
bool writeReportFile(const std::string& path, const std::string& bytes, std::string& error);
