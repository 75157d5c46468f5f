// OLE Automation dates broken down, built and formatted in exact integer arithmetic, so both
// builds (x87 or SSE, any C runtime) agree to the second.
#include "scoring/ole_date.h"

#include <cmath>
#include <cstring>
#include <limits>

static_assert(std::numeric_limits<double>::is_iec559 && sizeof(double) == 8,
              "the host record holds an 8-byte IEEE double");

namespace {

constexpr int64_t SecondsPerDay = 86400;
constexpr int64_t FirstDay = -657434;  // 1 January 100
constexpr int64_t LastDay = 2958465;   // 31 December 9999
constexpr std::size_t StatusOffset = 8;

// Days since 1 January 1970 in the proleptic Gregorian calendar.
constexpr int64_t daysFromCivil(int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr int64_t OleEpoch = daysFromCivil(1899, 12, 30);

int64_t oleDayFromCivil(int year, int month, int day)
{
    return daysFromCivil(year, month, day) - OleEpoch;
}

void civilFromOleDay(int64_t oleDay, DateTimeParts& parts)
{
    const int64_t days = oleDay + OleEpoch + 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // March = 0
    parts.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    parts.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    parts.year = static_cast<int>(yearOfEra + era * 400 + (parts.month <= 2 ? 1 : 0));
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

// Nearest whole second of a day fraction in [0, 1), a half rounding up. Exact: with the
// fraction as significand * 2^(exponent - 53), fraction * 86400 is significand * 675 shifted,
// and significand * 675 still fits 64 bits.
int64_t roundToSecond(double fraction)
{
    if (fraction == 0.0) {
        return 0;
    }
    int exponent = 0;
    const double mantissa = std::frexp(fraction, &exponent);
    const uint64_t scaled = static_cast<uint64_t>(std::ldexp(mantissa, 53)) * 675;
    const int shift = 46 - exponent;  // at least 46, as the fraction is below 1
    if (shift >= 64) {
        return 0;  // scaled < 2^63, so the product is below half a second
    }
    return static_cast<int64_t>((scaled + (uint64_t{1} << (shift - 1))) >> shift);
}

// Decimal digits, zero-padded to width; total for every int, the smallest included.
void appendNumber(std::string& out, int value, int width)
{
    int64_t magnitude = value;
    if (magnitude < 0) {
        out += '-';
        magnitude = -magnitude;
    }
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    for (int pad = count; pad < width; ++pad) {
        out += '0';
    }
    while (count > 0) {
        out += digits[--count];
    }
}

}  // namespace

DateRecord::DateRecord()
{
    std::memset(bytes_, 0, Size);
}

DateRecord DateRecord::make(double value, DateStatus status)
{
    DateRecord record;
    std::memcpy(record.bytes_, &value, sizeof value);
    const uint32_t code = static_cast<uint32_t>(status);
    for (std::size_t i = 0; i < 4; ++i) {
        record.bytes_[StatusOffset + i] = static_cast<unsigned char>(code >> (8 * i));
    }
    return record;
}

DateRecord DateRecord::fromHost(const COleDateTime* hostDate)
{
    if (hostDate == nullptr) {
        return make(0.0, DateStatus::Null);
    }
    DateRecord record;
    std::memcpy(record.bytes_, reinterpret_cast<const unsigned char*>(hostDate), Size);
    return record;
}

double DateRecord::value() const
{
    double value = 0.0;
    std::memcpy(&value, bytes_, sizeof value);
    return value;
}

int32_t DateRecord::status() const
{
    uint32_t code = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        code |= static_cast<uint32_t>(bytes_[StatusOffset + i]) << (8 * i);
    }
    return static_cast<int32_t>(code);
}

bool DateRecord::operator==(const DateRecord& other) const
{
    return std::memcmp(bytes_, other.bytes_, Size) == 0;
}

bool breakDownOleDate(double oleDate, DateTimeParts& parts)
{
    // Also keeps the day count small enough to convert; NaN fails both comparisons.
    if (!(oleDate > FirstDay - 2 && oleDate < LastDay + 2)) {
        return false;
    }
    const double wholeDays = std::trunc(oleDate);
    int64_t day = static_cast<int64_t>(wholeDays);
    // The fraction is the time of day whatever the sign; the subtraction is exact.
    int64_t second = roundToSecond(std::fabs(oleDate - wholeDays));
    if (second == SecondsPerDay) {
        ++day;
        second = 0;
    }
    if (day < FirstDay || day > LastDay) {
        return false;
    }
    civilFromOleDay(day, parts);
    parts.hour = static_cast<int>(second / 3600);
    parts.minute = static_cast<int>(second / 60 % 60);
    parts.second = static_cast<int>(second % 60);
    return true;
}

bool makeOleDate(const DateTimeParts& parts, double& oleDate)
{
    if (parts.year < 100 || parts.year > 9999 || parts.month < 1 || parts.month > 12 ||
        parts.day < 1 || parts.day > daysInMonth(parts.year, parts.month) || parts.hour < 0 ||
        parts.hour > 23 || parts.minute < 0 || parts.minute > 59 || parts.second < 0 ||
        parts.second > 59) {
        return false;
    }
    const int64_t day = oleDayFromCivil(parts.year, parts.month, parts.day);
    const int64_t timeOfDay = parts.hour * 3600 + parts.minute * 60 + parts.second;
    // Before the epoch the time of day moves the value away from zero.
    const int64_t seconds = day * SecondsPerDay + (day < 0 ? -timeOfDay : timeOfDay);
    // Exact integer over exact integer: a single rounding to the nearest double.
    oleDate = static_cast<double>(seconds) / static_cast<double>(SecondsPerDay);
    return true;
}

int64_t minutesSinceOleEpoch(const DateTimeParts& parts)
{
    return oleDayFromCivil(parts.year, parts.month, parts.day) * 1440 + parts.hour * 60 +
           parts.minute;
}

std::string formatDateParts(const DateTimeParts& parts, const char* pattern)
{
    std::string out;
    if (pattern == nullptr) {
        return out;
    }
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case 'Y': appendNumber(out, parts.year, 4); break;
        case 'y': appendNumber(out, (parts.year % 100 + 100) % 100, 2); break;
        case 'm': appendNumber(out, parts.month, 2); break;
        case 'd': appendNumber(out, parts.day, 2); break;
        case 'H': appendNumber(out, parts.hour, 2); break;
        case 'M': appendNumber(out, parts.minute, 2); break;
        case 'S': appendNumber(out, parts.second, 2); break;
        case '%': out += '%'; break;
        default:
            out += '%';
            out += *p;
            break;
        }
    }
    return out;
}

std::string formatDateRecord(const DateRecord& date, const char* pattern)
{
    static const char* const invalidText = "Invalid DateTime";
    if (date.status() == static_cast<int32_t>(DateStatus::Null)) {
        return std::string();
    }
    DateTimeParts parts;
    if (date.status() != static_cast<int32_t>(DateStatus::Valid) ||
        !breakDownOleDate(date.value(), parts)) {
        return invalidText;
    }
    return formatDateParts(parts, pattern);
}
