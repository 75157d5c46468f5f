// The too-early warning, in Russian: "QSO c <call>: too early yet, wait <minutes> more minutes".
// The Cyrillic letters are Windows-1251 byte escapes so no editor or compiler charset can
// change them; the "c" after "QSO" is the Latin letter.
#include "rules/repeat_warning.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char Head[] = "QSO c ";
constexpr char Middle[] = " \xC5\xD9\xC5 \xD0\xC0\xCD\xCE \xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC"
                          " ! \xC6\xC4\xC5\xCC \xC5\xD9\xC5 ";
constexpr char Tail[] = " \xCC\xC8\xCD\xD3\xD2";
constexpr std::size_t FixedLength = sizeof Head - 1 + sizeof Middle - 1 + sizeof Tail - 1;

// Writes nothing that does not fit in limit and returns the new end.
std::size_t append(char* buffer, std::size_t at, std::size_t limit, const char* text,
                   std::size_t length)
{
    const std::size_t count = std::min(length, limit - at);
    std::memcpy(buffer + at, text, count);
    return at + count;
}

}  // namespace

void composeRepeatWarning(const std::string& call, unsigned minutesToWait, char* buffer,
                          std::size_t capacity)
{
    if (buffer == nullptr || capacity == 0) {
        return;
    }
    char digits[16];
    std::size_t digitCount = 0;
    do {
        digits[digitCount++] = static_cast<char>('0' + minutesToWait % 10);
        minutesToWait /= 10;
    } while (minutesToWait > 0);
    std::reverse(digits, digits + digitCount);

    const std::size_t limit = capacity - 1;
    const std::size_t needed = FixedLength + digitCount;
    const std::size_t callLength = std::min(call.size(), limit > needed ? limit - needed : 0);

    std::size_t end = append(buffer, 0, limit, Head, sizeof Head - 1);
    end = append(buffer, end, limit, call.data(), callLength);
    end = append(buffer, end, limit, Middle, sizeof Middle - 1);
    end = append(buffer, end, limit, digits, digitCount);
    end = append(buffer, end, limit, Tail, sizeof Tail - 1);
    buffer[end] = '\0';
}
