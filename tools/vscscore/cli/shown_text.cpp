// A small UTF-8 walker: well-formed sequences (no overlongs, surrogates or values past
// U+10FFFF) pass, anything else is escaped byte by byte.
#include "cli/shown_text.h"

#include <cstdio>

namespace {

std::string hexEscape(const char* prefix, unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%s%0*x", prefix, digits, value);
    return text;
}

// The length of the well-formed sequence at `at`, 0 when there is none; its code point in cp.
std::size_t sequenceAt(const std::string& text, std::size_t at, unsigned& cp)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    std::size_t length = 0;
    unsigned low = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, low = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, low = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, low = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (byte(at + k) & 0x3F);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    return cp < low || cp > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

std::string shownText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {
            const bool control = (byte < 0x20 && byte != '\t' && byte != '\n') || byte == 0x7F;
            out += control ? hexEscape("\\x", byte, 2) : std::string(1, text[at]);
            ++at;
            continue;
        }
        unsigned cp = 0;
        const std::size_t length = sequenceAt(text, at, cp);
        if (length == 0) {
            out += hexEscape("\\x", byte, 2);
            ++at;
        } else if (cp < 0xA0) {
            out += hexEscape("\\u", cp, 4);  // C1 controls: CSI (U+009B) acts like ESC [
            at += length;
        } else {
            out.append(text, at, length);
            at += length;
        }
    }
    return out;
}

std::string shownLine(const std::string& text)
{
    const std::string shown = shownText(text);
    if (shown.find_first_of("\t\n") == std::string::npos) {
        return shown;
    }
    std::string out;
    out.reserve(shown.size() + 8);
    for (char c : shown) {
        if (c == '\t' || c == '\n') {
            out += c == '\t' ? "\\x09" : "\\x0a";
        } else {
            out += c;
        }
    }
    return out;
}
