// The terminal side of the driver: the plug-in's Windows-1251 texts shown on a UTF-8 terminal.
// One POSIX and one Win32 file implement it.
#pragma once

#include <string>

// Makes standard output and error carry bytes unchanged (no CR added before LF) and, on a
// Windows console, show UTF-8.
void setUpConsole();

// Windows-1251 to UTF-8; a byte with no character in the code page becomes "?".
std::string cp1251ToUtf8(const std::string& text);
