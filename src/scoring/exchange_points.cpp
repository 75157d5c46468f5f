// Our own atoi: points must not depend on which C runtime, or which locale, the library gets.
#include "scoring/exchange_points.h"

#include <algorithm>

namespace {

bool isCLocaleSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

int32_t exchangePoints(const std::string& exchRcvd)
{
    const std::size_t size = exchRcvd.size();
    std::size_t pos = 0;
    while (pos < size && isCLocaleSpace(exchRcvd[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < size && (exchRcvd[pos] == '+' || exchRcvd[pos] == '-')) {
        negative = exchRcvd[pos] == '-';
        ++pos;
    }
    // Clamping after every digit keeps the magnitude far below what 64 bits could overflow.
    const uint64_t limit = negative ? uint64_t{2147483648u} : uint64_t{2147483647u};
    uint64_t magnitude = 0;
    for (; pos < size && isDecimalDigit(exchRcvd[pos]); ++pos) {
        const auto digit = static_cast<uint64_t>(exchRcvd[pos] - '0');
        magnitude = std::min(magnitude * 10 + digit, limit);
    }
    const int64_t value =
        negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return static_cast<int32_t>(value);
}

int32_t saturatedPoints(int64_t sum)
{
    return static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(sum, INT32_MIN), INT32_MAX));
}

PointsText pointsText(const std::string& exchRcvd)
{
    const std::size_t first = exchRcvd.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return PointsText::NotInteger;
    }
    const std::size_t last = exchRcvd.find_last_not_of(" \t");
    std::size_t pos = first;
    const bool negative = exchRcvd[pos] == '-';
    if (exchRcvd[pos] == '+' || negative) {
        ++pos;
    }
    if (pos > last) {
        return PointsText::NotInteger;
    }
    // Held just past the 32-bit range: enough to tell a value beyond it.
    int64_t magnitude = 0;
    for (; pos <= last; ++pos) {
        if (!isDecimalDigit(exchRcvd[pos])) {
            return PointsText::NotInteger;
        }
        magnitude = std::min<int64_t>(magnitude * 10 + (exchRcvd[pos] - '0'), int64_t{1} << 32);
    }
    const bool inRange = negative ? -magnitude >= INT32_MIN : magnitude <= INT32_MAX;
    return inRange ? PointsText::Plain : PointsText::BeyondRange;
}
