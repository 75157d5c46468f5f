// QSO lines tallied by clock hour and band into the report page's figures, so the results site
// draws its rate charts with the report page's own chart: aggregated, never one mark a contact.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "report/log_report.h"

class HourlyTally {
public:
    // bands: host band names in the chart's order; their colours follow that order.
    explicit HourlyTally(std::vector<std::string> bands);

    void add(int32_t minute, std::size_t band, int64_t points);
    // The figures hourlyRateChart draws: every hour with contacts, each run of empty hours
    // between them one collapsed row.
    LogReport report() const;

private:
    std::vector<std::string> bands_;
    std::map<int64_t, HourRow> hours_;
};
