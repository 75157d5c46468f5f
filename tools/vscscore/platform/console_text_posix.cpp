// Terminal text with iconv(3).
#include "platform/console_text.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

void setUpConsole()
{
}

std::string cp1251ToUtf8(const std::string& text)
{
    iconv_t converter = iconv_open("UTF-8", "CP1251");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return text;
    }
    // No Windows-1251 character takes more than three bytes in UTF-8.
    std::vector<char> out(text.size() * 3 + 1);
    std::vector<char> in(text.begin(), text.end());
    char* from = in.data();
    std::size_t fromLeft = in.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    while (fromLeft > 0) {
        if (iconv(converter, &from, &fromLeft, &to, &toLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        *to++ = '?';
        --toLeft;
        ++from;
        --fromLeft;
    }
    iconv_close(converter);
    return std::string(out.data(), static_cast<std::size_t>(to - out.data()));
}
