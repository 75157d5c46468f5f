// How the private-profile calls see text: the blanks they trim around names and values (0x1A
// is the old end-of-file mark), for tests that predict what a read gives back.
#pragma once

#include <cstddef>
#include <string>

namespace support {

inline bool isIniBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' ||
           c == '\x1A';
}

inline std::string iniTrimmed(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isIniBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isIniBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

}  // namespace support
