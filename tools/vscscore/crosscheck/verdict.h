// A QSO line's verdict. The order is the order of precedence: a line gets the first that
// applies.
#pragma once

#include <cstdint>

enum class Verdict : uint8_t {
    Invalid,
    OutOfPeriod,
    Dupe,
    TooEarly,
    BustedCall,
    NotInLog,
    BustedExchange,
    Unique,
    NoLog,
    Ok,
    Pending,  // not yet judged; never in a result
};

constexpr int VerdictCount = 10;

// "not-in-log", as qsos.csv writes it.
const char* verdictName(Verdict verdict);
