// A calendar breakdown to the second: what the platform's clock hands up, and what the date
// conversions of the layers above work in.
#pragma once

// As the platform's SYSTEMTIME would give it.
struct DateTimeParts {
    int year = 0;
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
};
