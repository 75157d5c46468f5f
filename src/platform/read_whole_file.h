// Reading a whole file into memory, for the settings engine and the driver's log reader.
#pragma once

#include <string>

enum class FileRead { Read, CannotOpen, Failed };

// The whole content of path into bytes (emptied first). CannotOpen leaves errno as the open
// left it; Failed, an error part way through, as the read left it.
FileRead readWholeFile(const std::string& path, std::string& bytes);
