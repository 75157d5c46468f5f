// The too-early warning as the host must receive it, spelt out byte by byte independently of
// the code under test (Windows-1251; the "c" after "QSO" is the Latin letter).
#pragma once

#include <string>

namespace support {

// The warning with its terminating zero byte.
inline std::string expectedWarning(const std::string& call, const std::string& minutes)
{
    return "QSO \x63 " + call +
           " \xC5\xD9\xC5 \xD0\xC0\xCD\xCE \xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC ! "
           "\xC6\xC4\xC5\xCC \xC5\xD9\xC5 " +
           minutes + " \xCC\xC8\xCD\xD3\xD2" + std::string(1, '\0');
}

}  // namespace support
