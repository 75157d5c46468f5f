// A simulated contest for the cross-check: stations with their rates, both sides of each
// contact logged with independent errors, and the true verdict of every logged line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "crosscheck/verdict.h"

struct SimulationSize {
    uint32_t seed = 1;
    uint32_t entrants = 300;       // stations that send a log
    uint32_t busyLogless = 25;     // worked by many, send no log
    uint32_t rareLogless = 60;     // worked by one or two, send no log
    double meanRate = 30.0;        // contacts an hour of an average entrant
    double errorScale = 1.0;       // multiplies every error's probability
    int32_t startMinute = 0;       // UTC, minutes since the OLE epoch
    unsigned hours = 24;
};

struct SimLine {
    int32_t freqKHz = 0;
    const char* mode = "CW";
    int32_t minute = 0;  // as logged
    std::string call;
    std::string rstSent;
    std::string exchSent;
    std::string rstRcvd;
    std::string exchRcvd;
    bool garbled = false;  // an unreadable line
    Verdict truth = Verdict::Ok;
    std::string trueCall;  // for a busted call: the station actually worked
};

struct SimLog {
    std::string call;
    std::string category;
    int32_t clockOffset = 0;
    std::vector<SimLine> lines;  // in logged time order
};

struct SimulatedContest {
    std::vector<SimLog> logs;
};

SimulatedContest simulateContest(const SimulationSize& size);

// The log as a Cabrillo file, its QSO lines written by the plug-in's own line format.
std::string cabrilloText(const SimLog& log);

// 2025-02-15 06:00 UTC, the start the simulations use.
int32_t simulatedStart();
