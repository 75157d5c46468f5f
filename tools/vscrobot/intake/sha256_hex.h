// SHA-256 of bytes as lower-case hex, through nettle (Debian's libnettle).
#pragma once

#include <string>

std::string sha256Hex(const std::string& bytes);
