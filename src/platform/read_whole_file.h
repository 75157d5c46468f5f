// Reading a whole file into memory, for the settings engine and the driver's log reader.
#pragma once

#include <cstdio>
#include <string>

enum class FileRead { Read, CannotOpen, Failed };

// The whole content of path into bytes (emptied first). CannotOpen leaves errno as the open
// left it; Failed, an error part way through, as the read left it.
FileRead readWholeFile(const std::string& path, std::string& bytes);

// The same for a file already opened (for reading, in binary mode), which it closes; a null
// file is CannotOpen.
FileRead readWholeOpenFile(std::FILE* file, std::string& bytes);
