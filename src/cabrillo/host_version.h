// The host program's version as the CREATED-BY line of the Cabrillo file names it.
#pragma once

#include <cstdint>
#include <string>

// "major.minor" for a major version of 2, else "major.minor.third"; the numbers are the
// halves of dwFileVersionMS and the high half of dwFileVersionLS.
std::string formatHostVersion(uint32_t versionMs, uint32_t versionLs);

// The version of "Ravo2.exe" when that file in the current folder can be opened, else of
// "Ravo3.exe"; empty when the chosen file gives no version.
std::string hostVersionText();
