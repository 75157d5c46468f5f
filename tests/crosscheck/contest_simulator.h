// A simulated contest for the cross-check: stations with their rates, both sides of each
// contact logged with independent errors, and the true verdict of every logged line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contest/crosscheck_rules.h"
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
    // The exchange a serial number and the last serial received (else a number of the
    // station's own); partners then miscopy calls by two characters or drop a /P too, and a
    // same-band repeat counts after repeatMinutes.
    bool serials = false;
    unsigned repeatMinutes = 5;
    bool mixedLoggers = false;  // logs written as other loggers write them (see LogForm)
};

// How a log's logger writes Cabrillo.
struct LogForm {
    bool plugin = true;       // the plug-in's own line format; else blank-separated fields
    const char* phone = "PH";  // or SSB, USB, LSB
    int frequency = 0;         // 0: kHz, 1: kHz with a fraction ("14025.5"), 2: MHz ("14.025")
    bool zeros = false;        // numbers with leading zeros ("005")
    bool transmitter = false;  // MULTI-OP, an 11th field on each line
    bool utf16 = false;        // UTF-16 with a byte-order mark
    bool version2 = false;     // Cabrillo 2.0: one CATEGORY: line
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
    bool badMode = false;  // its mode written XX
    bool notForCredit = false;  // written X-QSO:
    Verdict truth = Verdict::Ok;
    std::string trueCall;  // for a busted call: the station actually worked
};

struct SimLog {
    std::string call;
    std::string category;
    int32_t clockOffset = 0;
    LogForm form;
    std::vector<SimLine> lines;  // in logged time order
};

struct SimulatedContest {
    std::vector<SimLog> logs;
};

SimulatedContest simulateContest(const SimulationSize& size);

// The log as a Cabrillo file in its form; the plug-in's form writes the QSO lines by the
// plug-in's own line format.
std::string cabrilloText(const SimLog& log);

// The rules of a simulated contest: its period, and for serials its exchange and repeats.
CrosscheckRules simulatedRules(const SimulationSize& size);

// 2025-02-15 06:00 UTC, the start the simulations use.
int32_t simulatedStart();
