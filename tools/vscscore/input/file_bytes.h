// A whole file read as bytes.
#pragma once

#include <string>

// False with a one-line reason ("cannot read PATH: ...") when the file cannot be read.
bool readFileBytes(const std::string& path, std::string& bytes, std::string& error);
