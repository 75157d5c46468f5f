// A log saved as UTF-16 with a byte-order mark (what Windows Notepad calls "Unicode"), turned
// into the UTF-8 every Cabrillo reader reads.
#pragma once

#include <string>

// Bytes that start with a UTF-16 byte-order mark (either order) become UTF-8 with no mark;
// any other bytes are left as they are. False with the reason, bytes unchanged, when the text
// is not whole UTF-16 (an odd byte at the end, a lone surrogate).
bool decodeUtf16(std::string& bytes, std::string& why);
