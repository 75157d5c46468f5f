// Texts in failure messages: printable ASCII as it is, every other byte as \xNN, quoted.
#pragma once

#include <string>

namespace support {

inline std::string escaped(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            out += std::string("\\x") + digits[c >> 4] + digits[c & 15];
        }
    }
    return out + "\"";
}

}  // namespace support
