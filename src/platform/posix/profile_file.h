// A private-profile (ini) file engine with the observable behaviour of the Windows
// private-profile calls. The POSIX build keeps its settings with it; the Windows build keeps
// it only for the side-by-side test against the real calls.
#pragma once

#include <string>

namespace profile {

// The value of key in section, or defaultValue when the file, the section or the key is
// missing. Names match without regard to case; blanks around the value and one pair of
// matching surrounding quotes are dropped. The value is returned whole, whatever its length.
// As on Windows, the default too loses its trailing spaces and one pair of quotes.
std::string readString(const std::string& path, const std::string& section,
                       const std::string& key, const std::string& defaultValue);

// Sets key in section, creating the file and the section as needed and keeping every other
// line as it was. New lines end with CR LF. A value holding a line break is refused (false,
// file unchanged): it would add lines to the file. False also when the file cannot be written.
bool writeString(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& value);

}  // namespace profile
