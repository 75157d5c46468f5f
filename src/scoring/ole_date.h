// The host's date record (an OLE Automation date and its status) and its calendar breakdown.
// One conversion serves both builds, so a date prints the same under Windows and POSIX.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/date_time_parts.h"

// The host's date object. The plug-in only ever sees it through a pointer and copies its
// first 12 bytes; its C++ layout is the host compiler's business, not ours.
struct COleDateTime;

enum class DateStatus : int32_t { Valid = 0, Invalid = 1, Null = 2 };

// The 12 bytes of a host date record, held exactly as received: an 8-byte IEEE double
// (days since 30 December 1899, the fraction being the time of day), then a little-endian
// 4-byte status.
class DateRecord {
public:
    static constexpr std::size_t Size = 12;

    DateRecord();  // 0.0, valid
    static DateRecord make(double value, DateStatus status = DateStatus::Valid);
    // A null pointer reads as a null date.
    static DateRecord fromHost(const COleDateTime* hostDate);

    double value() const;
    int32_t status() const;
    const unsigned char* bytes() const { return bytes_; }

    // All twelve bytes, status included.
    bool operator==(const DateRecord& other) const;
    bool operator!=(const DateRecord& other) const { return !(*this == other); }

private:
    unsigned char bytes_[Size];
};

// Breaks an OLE Automation date down to the second, rounding to the nearest second (a half
// rounds up, and 23:59:59.5 becomes the next day). For a negative date the fraction still
// counts forward from the start of its day (-1.25 is 29 December 1899, 06:00). False, parts
// untouched, when the value has no calendar date: NaN, infinite, or outside 1 January 100
// 00:00:00 .. 31 December 9999 23:59:59 once rounded.
bool breakDownOleDate(double oleDate, DateTimeParts& parts);

// The inverse, for whole seconds; false when the parts name no date in 100..9999.
bool makeOleDate(const DateTimeParts& parts, double& oleDate);

// Whole minutes since 30 December 1899 00:00 (negative before it).
int64_t minutesSinceOleEpoch(const DateTimeParts& parts);

// strftime-style formatting of a breakdown: %Y (four digits) %y %m %d %H %M %S (two) %%; any
// other conversion is copied as it stands. Independent of the C runtime and its locale. A null
// pattern gives "".
std::string formatDateParts(const DateTimeParts& parts, const char* pattern);

// Formats a date record: a null date gives "", any status but valid and null, or a valid one
// with no calendar date, gives "Invalid DateTime".
std::string formatDateRecord(const DateRecord& date, const char* pattern);
