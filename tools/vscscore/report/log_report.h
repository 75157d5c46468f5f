// The figures of the after-contest report: rate sheet, best rates, operating and off time, band
// changes, points per band and the audit's counts, with the contest's own points and repeat rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "input/adif_contact.h"
#include "audit/log_audit.h"

// The audit's two findings as the report's text and page name them.
constexpr char RepeatsWording[] = "exact repeats";
constexpr char EarlyWording[] = "too early";

struct Tally {
    std::size_t qsos = 0;
    int64_t points = 0;
};

// One contact on the time line; minutes are calendar minutes (seconds dropped) since the OLE
// epoch, so two contacts in the same clock minute share one.
struct TimedContact {
    std::size_t contact = 0;  // index into the log's contacts
    int64_t minute = 0;
    std::size_t band = 0;  // index into LogReport::bands
    int32_t points = 0;
};

// A clock hour of the rate sheet, or a collapsed run of empty hours.
struct HourRow {
    int64_t hour = 0;            // whole hours since the OLE epoch: the first one of the row
    std::size_t emptyHours = 0;  // not 0: this many hours of off time with no contact, as one row
    std::vector<Tally> bands;    // by LogReport::bands
    Tally total;
};

struct BestRate {
    unsigned windowMinutes = 0;
    std::size_t qsos = 0;
    int64_t firstMinute = 0;  // the window's first calendar minute
};

// Calendar minutes with no contact, both ends included.
struct OffPeriod {
    int64_t firstMinute = 0;
    int64_t lastMinute = 0;
    int64_t minutes() const { return lastMinute - firstMinute + 1; }
};

struct AuditCounts {
    Tally repeats;  // exact repeats and the points they carry (RepeatsWording)
    Tally early;    // too early on another band or mode (EarlyWording)
};

// Who and what the report is about.
struct ReportHeading {
    std::string station;
    std::string contestDate;  // YYYY-MM-DD
};

struct LogReport {
    std::vector<std::string> bands;     // in the score summary's order
    std::vector<TimedContact> timeline;  // time order; equal times keep file order
    std::vector<HourRow> hours;  // every clock hour from the first contact to the last, runs
                                 // of empty hours within an off period collapsed into one row
    std::vector<Tally> bandTotals;      // by bands
    Tally total;
    BestRate best10;
    BestRate best60;
    unsigned offTimeMinutes = 0;
    std::vector<OffPeriod> offPeriods;
    int64_t spanMinutes = 0;  // first contact's minute to the last's, both included
    int64_t operatingMinutes = 0;
    std::size_t bandChanges = 0;
    std::vector<AuditFinding> findings;  // auditLog's, in time order
    AuditCounts audit;
};

// offTimeMinutes: the shortest gap, in minutes with no contact, that counts as off time (1 or
// more). The contacts' points are their received exchanges, as the plug-in counts them.
LogReport buildLogReport(const std::vector<LogContact>& contacts, unsigned offTimeMinutes);

// The most contacts in any windowMinutes consecutive calendar minutes of a time-ordered list
// of minutes; the earliest such window.
BestRate bestRate(const std::vector<int64_t>& minutes, unsigned windowMinutes);

// The gaps of at least offTimeMinutes minutes with no contact in a time-ordered list.
std::vector<OffPeriod> offPeriods(const std::vector<int64_t>& minutes, unsigned offTimeMinutes);

// "7 h 05 min", "45 min".
std::string durationText(int64_t minutes);

// A calendar minute as text, e.g. "2025-02-15 0604" for "%Y-%m-%d %H%M".
std::string minuteText(int64_t minute, const char* pattern);

// The band as operators write it: "80m" for the host's "80", other names as they are.
std::string bandLabel(const std::string& hostBand);
