// The rules a cross-check applies. The defaults are this contest's, taken from the product's
// own code where it decides (the repeat windows, the QSO line's fields).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cabrillo/contest_name.h"
#include "rules/repeat_rule.h"

struct CrosscheckRules {
    std::string contest = ContestName;  // as the results name it
    bool periodGiven = false;
    int32_t startMinute = 0;  // minutes since the OLE epoch, UTC
    unsigned hours = 24;
    // The fields after the own call and after the worked call, as the plug-in writes them.
    std::vector<std::string> sent = {"RST", "EXCH"};
    std::vector<std::string> received = {"RST", "EXCH"};
    std::vector<std::string> check = {"EXCH"};  // received fields that must equal the sent ones
    std::string points = "EXCH";  // empty: 1 point a contact
    unsigned toleranceMinutes = 3;
    bool clockAuto = true;
    RepeatWindows repeat;
    unsigned noLog = 3;
    bool unique = true;
    unsigned penaltyNotInLog = 1;
    unsigned penaltyBustedCall = 1;
    unsigned penaltyBustedExchange = 0;
};

// The repeat judge's same-band window (refused while 0..window minutes apart) for a repeat
// that counts again the given minutes later; one in the same minute never counts.
unsigned sameBandWindow(unsigned countsAfter);

// Index of name in fields, or -1.
int fieldIndex(const std::vector<std::string>& fields, const std::string& name);
