// Taking one log, for the web form and the mail pipe alike: lint, then the store, then the
// receipt, in that order.
#pragma once

#include <cstdint>
#include <string>

#include "vscrobot/intake/log_check.h"
#include "vscrobot/store/stored_log.h"

class LogStore;

struct Submission {
    enum class Outcome {
        Received,    // stored and committed: stored holds the receipt
        Refused,     // lint found errors: nothing stored
        Unreadable,  // no Cabrillo file at all (empty, binary, UTF-16, ADIF): nothing stored
        StoreFull,   // the store had no room: nothing stored, try later
        StoreFailed, // the store failed otherwise: nothing stored
    };
    Outcome outcome = Outcome::Refused;
    CheckedLog check;
    StoredLog stored;
    std::string why;  // for the store's failures
};

Submission submitLog(LogStore& store, const std::string& bytes, const ContestPeriod& period,
                     const std::string& source, int64_t now);

// The receipt as the mail reply and the terminal show it.
std::string receiptText(const StoredLog& log);

// The refusal the same way: why, and every finding by line.
std::string refusalText(const Submission& submission);

// "line 12: message", or the message alone for the whole file.
std::string findingText(const LintFinding& finding);
