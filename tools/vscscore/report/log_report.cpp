// Builds the report's figures in a few passes over the time-ordered contacts.
#include "report/log_report.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "scoring/band_order.h"
#include "scoring/band_plan.h"
#include "scoring/exchange_points.h"

namespace {

int64_t floorDiv(int64_t value, int64_t by)
{
    const int64_t quotient = value / by;
    return quotient * by > value ? quotient - 1 : quotient;
}

std::vector<std::string> orderedBands(const std::vector<LogContact>& contacts)
{
    BandList bands;
    for (const LogContact& contact : contacts) {
        if (std::find(bands.begin(), bands.end(), contact.host.band) == bands.end()) {
            bands.push_back(contact.host.band);
        }
    }
    orderBands(bands);
    return bands;
}

// The order the audit replays the log in.
std::vector<TimedContact> timelineOf(const std::vector<LogContact>& contacts,
                                     const std::vector<std::string>& bands)
{
    const std::vector<std::size_t> order = timeOrder(contacts);
    std::map<std::string, std::size_t> bandIndex;
    for (std::size_t k = 0; k < bands.size(); ++k) {
        bandIndex[bands[k]] = k;
    }
    std::vector<TimedContact> timeline;
    timeline.reserve(order.size());
    for (std::size_t index : order) {
        const LogContact& contact = contacts[index];
        TimedContact timed;
        timed.contact = index;
        timed.minute = minutesSinceOleEpoch(contact.when);
        timed.band = bandIndex[contact.host.band];
        timed.points = exchangePoints(contact.host.exchRcvd);
        timeline.push_back(timed);
    }
    return timeline;
}

HourRow emptyRow(int64_t hour, std::size_t bandCount)
{
    HourRow row;
    row.hour = hour;
    row.bands.assign(bandCount, Tally{});
    return row;
}

void add(Tally& tally, int32_t points)
{
    tally.qsos += 1;
    tally.points += points;
}

// Empty hours between two contacts that leave off time between them take one row, so the sheet
// grows with the contacts, not with the span of the log.
std::vector<HourRow> rateSheet(const std::vector<TimedContact>& timeline, std::size_t bandCount,
                               unsigned offTimeMinutes)
{
    std::vector<HourRow> rows;
    for (std::size_t k = 0; k < timeline.size(); ++k) {
        const TimedContact& timed = timeline[k];
        const int64_t hour = floorDiv(timed.minute, 60);
        if (rows.empty() || rows.back().hour != hour) {
            const int64_t next = rows.empty() ? hour : rows.back().hour + 1;
            const bool off = k > 0 && timed.minute - timeline[k - 1].minute - 1 >=
                                          static_cast<int64_t>(offTimeMinutes);
            if (off && hour > next) {
                rows.push_back(emptyRow(next, bandCount));
                rows.back().emptyHours = static_cast<std::size_t>(hour - next);
            } else {
                for (int64_t h = next; h < hour; ++h) {
                    rows.push_back(emptyRow(h, bandCount));
                }
            }
            rows.push_back(emptyRow(hour, bandCount));
        }
        add(rows.back().bands[timed.band], timed.points);
        add(rows.back().total, timed.points);
    }
    return rows;
}

}  // namespace

BestRate bestRate(const std::vector<int64_t>& minutes, unsigned windowMinutes)
{
    BestRate best;
    best.windowMinutes = windowMinutes;
    std::size_t end = 0;
    for (std::size_t start = 0; start < minutes.size(); ++start) {
        while (end < minutes.size() && minutes[end] < minutes[start] + windowMinutes) {
            ++end;
        }
        if (end - start > best.qsos) {
            best.qsos = end - start;
            best.firstMinute = minutes[start];
        }
    }
    return best;
}

std::vector<OffPeriod> offPeriods(const std::vector<int64_t>& minutes, unsigned offTimeMinutes)
{
    std::vector<OffPeriod> periods;
    for (std::size_t k = 1; k < minutes.size(); ++k) {
        const int64_t silent = minutes[k] - minutes[k - 1] - 1;
        if (silent >= static_cast<int64_t>(offTimeMinutes) && silent > 0) {
            periods.push_back({minutes[k - 1] + 1, minutes[k] - 1});
        }
    }
    return periods;
}

LogReport buildLogReport(const std::vector<LogContact>& contacts, unsigned offTimeMinutes)
{
    LogReport report;
    report.offTimeMinutes = offTimeMinutes;
    report.bands = orderedBands(contacts);
    report.timeline = timelineOf(contacts, report.bands);
    report.hours = rateSheet(report.timeline, report.bands.size(), offTimeMinutes);
    report.bandTotals.assign(report.bands.size(), Tally{});

    std::vector<int64_t> minutes;
    minutes.reserve(report.timeline.size());
    for (std::size_t k = 0; k < report.timeline.size(); ++k) {
        const TimedContact& timed = report.timeline[k];
        minutes.push_back(timed.minute);
        add(report.bandTotals[timed.band], timed.points);
        add(report.total, timed.points);
        if (k > 0 && timed.band != report.timeline[k - 1].band) {
            ++report.bandChanges;
        }
    }
    report.best10 = bestRate(minutes, 10);
    report.best60 = bestRate(minutes, 60);
    report.offPeriods = offPeriods(minutes, offTimeMinutes);
    if (!minutes.empty()) {
        report.spanMinutes = minutes.back() - minutes.front() + 1;
    }
    report.operatingMinutes = report.spanMinutes;
    for (const OffPeriod& period : report.offPeriods) {
        report.operatingMinutes -= period.minutes();
    }

    std::vector<std::size_t> order;
    order.reserve(report.timeline.size());
    for (const TimedContact& timed : report.timeline) {
        order.push_back(timed.contact);
    }
    report.findings = auditLog(contacts, order);
    for (const AuditFinding& finding : report.findings) {
        Tally& tally = finding.tooEarly ? report.audit.early : report.audit.repeats;
        add(tally, exchangePoints(contacts[finding.contact].host.exchRcvd));
    }
    // Every sum shown as the plug-in shows its own: held at the 32-bit limits.
    for (HourRow& row : report.hours) {
        for (Tally& tally : row.bands) {
            tally.points = saturatedPoints(tally.points);
        }
        row.total.points = saturatedPoints(row.total.points);
    }
    for (Tally* tally : {&report.total, &report.audit.repeats, &report.audit.early}) {
        tally->points = saturatedPoints(tally->points);
    }
    for (Tally& tally : report.bandTotals) {
        tally.points = saturatedPoints(tally.points);
    }
    return report;
}

std::string minuteText(int64_t minute, const char* pattern)
{
    const int64_t day = floorDiv(minute, 1440);
    DateTimeParts parts;
    if (!breakDownOleDate(static_cast<double>(day), parts)) {
        return "?";
    }
    const int64_t inDay = minute - day * 1440;
    parts.hour = static_cast<int>(inDay / 60);
    parts.minute = static_cast<int>(inDay % 60);
    return formatDateParts(parts, pattern);
}

std::string bandLabel(const std::string& hostBand)
{
    return adifBandName(hostBand);
}

std::string durationText(int64_t minutes)
{
    if (minutes < 60) {
        return std::to_string(minutes) + " min";
    }
    const int64_t rest = minutes % 60;
    return std::to_string(minutes / 60) + " h " + (rest < 10 ? "0" : "") + std::to_string(rest) +
           " min";
}
