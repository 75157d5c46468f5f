// The driver's files and arguments by UTF-8 names, whatever the system's code page: on Windows
// through the wide-character calls, so a folder or log named in any script works. One POSIX
// and one Win32 file implement it.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The program's arguments as UTF-8 texts, argv[0] first.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// fopen by a UTF-8 path.
std::FILE* openUtf8(const std::string& path, const char* mode);

// Writes the whole file beside its target and renames it over it, so a failure leaves any
// earlier file as it was; false with the system's reason.
bool replaceFileUtf8(const std::string& path, const std::string& bytes, std::string& reason);

bool removeFileUtf8(const std::string& path);

// Whether the path itself is a symbolic link (or, on Windows, another reparse point).
bool isSymbolicLinkUtf8(const std::string& path);
