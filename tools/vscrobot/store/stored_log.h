// One received version of a log as the store keeps it and a receipt shows it.
#pragma once

#include <cstdint>
#include <string>

struct StoredLog {
    int64_t receipt = 0;  // the row's id: never reused
    std::string call;
    int64_t received = 0;  // seconds since 1970, UTC
    std::string sha256;
    int64_t qsoLines = 0;
    std::string claimed;
    int64_t rawScore = 0;
    std::string categories;
    std::string warnings;  // one finding a line, "line N: message"
    std::string source;    // "web" or "mail"
    int64_t replaces = 0;  // the receipt it replaced as the one that counts; 0: none
    std::string bytes;     // only where asked for
};
