// The warning the host shows when a contact is refused as too early, in the host's 8-bit
// Cyrillic code page (Windows-1251).
#pragma once

#include <cstddef>
#include <string>

// Writes the warning naming the station and the minutes still to wait, zero-terminated, and
// nothing past capacity nor past its terminator. A callsign too long for the buffer is
// shortened so that the rest of the warning still fits; a buffer too small even for that gets
// the warning cut short. A null buffer or a capacity of 0 is left alone.
void composeRepeatWarning(const std::string& call, unsigned minutesToWait, char* buffer,
                          std::size_t capacity);
