// Our own decoder: glibc's iconv is not in the Windows build and std::codecvt is deprecated.
#include "cabrillo_input/utf16_text.h"

#include <cstdint>

namespace {

void appendUtf8(std::string& out, uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

bool decodeUtf16(std::string& bytes, std::string& why)
{
    if (bytes.size() < 2) {
        return true;
    }
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const bool little = byte(0) == 0xFF && byte(1) == 0xFE;
    if (!little && !(byte(0) == 0xFE && byte(1) == 0xFF)) {
        return true;
    }
    if (bytes.size() % 2 != 0) {
        why = "UTF-16 text with an odd number of bytes";
        return false;
    }
    const auto unit = [&](std::size_t at) -> uint32_t {
        return little ? byte(at) | byte(at + 1) << 8 : byte(at) << 8 | byte(at + 1);
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t at = 2; at < bytes.size(); at += 2) {
        uint32_t code = unit(at);
        if (code >= 0xD800 && code < 0xDC00 && at + 2 < bytes.size() &&
            unit(at + 2) >= 0xDC00 && unit(at + 2) < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
            at += 2;
        } else if (code >= 0xD800 && code < 0xE000) {
            why = "UTF-16 text with a lone surrogate at byte " + std::to_string(at);
            return false;
        }
        appendUtf8(out, code);
    }
    bytes.swap(out);
    return true;
}
