// The folders the cross-check reads and writes. One POSIX and one Win32 file implement it.
#pragma once

#include <string>
#include <vector>

bool isFolder(const std::string& path);

// The names of the regular files in the folder, sorted; false with the reason when it cannot
// be read.
bool listFolder(const std::string& path, std::vector<std::string>& names, std::string& error);

// Makes the folder unless it is there; false with the reason when it is not there after.
bool makeFolder(const std::string& path, std::string& error);

// True when standard error is a terminal, where a progress line may be shown.
bool errorIsTerminal();

// Writes a report whole: a temporary file beside path, every write and the close checked, then
// renamed over it. Not flushed to the disk: thousands of reports that a run writes again in
// seconds are not worth a disk flush each. False with the reason; the target is then as it was.
bool writeReportFile(const std::string& path, const std::string& bytes, std::string& error);
