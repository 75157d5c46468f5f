// Hourly tallies for the site's charts.
#include "crosscheck_output/site_rates.h"

#include <utility>

namespace {

int64_t hourOf(int32_t minute)
{
    // Minutes before the epoch still fall in their own clock hour.
    return minute >= 0 ? minute / 60 : -((-static_cast<int64_t>(minute) + 59) / 60);
}

}  // namespace

HourlyTally::HourlyTally(std::vector<std::string> bands) : bands_(std::move(bands)) {}

void HourlyTally::add(int32_t minute, std::size_t band, int64_t points)
{
    const int64_t hour = hourOf(minute);
    auto found = hours_.find(hour);
    if (found == hours_.end()) {
        HourRow row;
        row.hour = hour;
        row.bands.assign(bands_.size(), Tally{});
        found = hours_.emplace(hour, std::move(row)).first;
    }
    HourRow& row = found->second;
    row.bands[band].qsos += 1;
    row.bands[band].points += points;
    row.total.qsos += 1;
    row.total.points += points;
}

LogReport HourlyTally::report() const
{
    LogReport report;
    report.bands = bands_;
    report.bandTotals.assign(bands_.size(), Tally{});
    for (const auto& entry : hours_) {
        const HourRow& row = entry.second;
        if (!report.hours.empty()) {
            const int64_t gap = row.hour - report.hours.back().hour - 1;
            if (gap > 0) {
                HourRow empty;
                empty.hour = report.hours.back().hour + 1;
                empty.emptyHours = static_cast<std::size_t>(gap);
                empty.bands.assign(bands_.size(), Tally{});
                report.hours.push_back(std::move(empty));
            }
        }
        report.hours.push_back(row);
        for (std::size_t b = 0; b < bands_.size(); ++b) {
            report.bandTotals[b].qsos += row.bands[b].qsos;
            report.bandTotals[b].points += row.bands[b].points;
        }
        report.total.qsos += row.total.qsos;
        report.total.points += row.total.points;
    }
    return report;
}
