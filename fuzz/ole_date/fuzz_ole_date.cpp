// The date conversion and formatting on any double, status and pattern: a date that breaks
// down is in range and survives the round trip to the nearest second.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "../fuzz_check.h"
#include "scoring/ole_date.h"

namespace {

bool inRange(const DateTimeParts& p)
{
    return p.year >= 100 && p.year <= 9999 && p.month >= 1 && p.month <= 12 && p.day >= 1 &&
           p.day <= 31 && p.hour >= 0 && p.hour <= 23 && p.minute >= 0 && p.minute <= 59 &&
           p.second >= 0 && p.second <= 59;
}

bool sameParts(const DateTimeParts& a, const DateTimeParts& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

// Seconds on one time line: the fraction counts forward from the start of its day.
long double timeLine(double oleDate)
{
    const long double day = std::trunc(static_cast<long double>(oleDate));
    return day * 86400.0L + std::fabs(oleDate - day) * 86400.0L;
}

std::string shown(const DateTimeParts& p)
{
    return formatDateParts(p, "%Y-%m-%d %H:%M:%S");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < DateRecord::Size + 6 * sizeof(int)) {
        return 0;
    }
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    int32_t status = 0;
    std::memcpy(&status, data + sizeof value, sizeof status);
    DateTimeParts any;
    int* fields[] = {&any.year, &any.month, &any.day, &any.hour, &any.minute, &any.second};
    std::size_t at = DateRecord::Size;
    for (int* field : fields) {
        std::memcpy(field, data + at, sizeof(int));
        at += sizeof(int);
    }
    const std::string pattern(reinterpret_cast<const char*>(data + at), size - at);

    const DateRecord record = DateRecord::make(value, static_cast<DateStatus>(status));
    const std::string text = formatDateRecord(record, pattern.c_str());
    formatDateParts(any, pattern.c_str());

    double made = 0.0;
    if (makeOleDate(any, made)) {
        fuzzCheck(inRange(any), "a date was made of parts out of range", shown(any));
        DateTimeParts back;
        fuzzCheck(breakDownOleDate(made, back) && sameParts(back, any),
                  "made date does not break down to its parts", shown(any));
    }

    DateTimeParts parts;
    if (!breakDownOleDate(value, parts)) {
        fuzzCheck(status != 0 || text == "Invalid DateTime", "no date, yet formatted", text);
        return 0;
    }
    fuzzCheck(inRange(parts), "parts out of range", shown(parts));
    fuzzCheck(status != 0 || text == formatDateParts(parts, pattern.c_str()),
              "a valid record formats otherwise than its parts", text);
    fuzzCheck(makeOleDate(parts, made), "broken-down parts make no date", shown(parts));
    DateTimeParts again;
    fuzzCheck(breakDownOleDate(made, again) && sameParts(again, parts),
              "the round trip changed the date", shown(parts) + " / " + shown(again));
    // Half a second, and what a double of that size can tell apart.
    const long double slack = 86400.0L * (std::fabs(value) + 1.0L) * std::ldexp(1.0L, -50);
    fuzzCheck(std::fabs(timeLine(made) - timeLine(value)) <= 0.5L + slack,
              "the date moved by more than half a second", shown(parts));
    return 0;
}
