// The files a cross-check reads: each operand, a folder standing for the files in it, every
// entry that is not a log named; each file judged by its kind, size and first bytes before it
// is read whole.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A log of 10 000 contacts is about 1 MB; a file 64 times that is no log.
constexpr uint64_t MostLogBytes = 64u << 20;
// The bytes judged before a file is read whole.
constexpr std::size_t FirstLogBytes = 4096;

// The files to read, in order; what a folder holds that is not read is in skipped, as
// "PATH: skipped: REASON". False with the reason when a folder cannot be read.
bool inputFiles(const std::vector<std::string>& operands, std::vector<std::string>& files,
                std::vector<std::string>& skipped, std::string& error);

// The whole file, or false with "PATH: not read: REASON".
bool readLogFile(const std::string& path, std::string& bytes, std::string& why);

// The file's own name, without the folders it was found in: what published notes name.
std::string givenName(const std::string& path);
// The text with the first mention of path written as its givenName.
std::string withGivenName(const std::string& text, const std::string& path);
