// Host date records for tests: a calendar time, to the second, as the host's date object
// holds it.
#pragma once

#include <cstdlib>
#include <iostream>

#include "scoring/ole_date.h"

namespace support {

inline DateTimeParts at(int year, int month, int day, int hour, int minute, int second = 0)
{
    DateTimeParts parts;
    parts.year = year;
    parts.month = month;
    parts.day = day;
    parts.hour = hour;
    parts.minute = minute;
    parts.second = second;
    return parts;
}

// extraSeconds moves the value off the whole second, to test rounding. A time with no date is
// a mistake in the test itself, and stops it at once (this may run before any test does).
inline DateRecord hostDate(const DateTimeParts& parts, double extraSeconds = 0.0)
{
    double value = 0.0;
    if (!makeOleDate(parts, value)) {
        std::cerr << "test date out of range: " << parts.year << "-" << parts.month << "-"
                  << parts.day << "\n";
        std::abort();
    }
    return DateRecord::make(value + extraSeconds / 86400.0);
}

}  // namespace support
