// Writes the report as aligned plain-text tables.
#include "report/report_text.h"

#include <algorithm>

namespace {

std::string padLeft(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string padRight(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string cell(const Tally& tally)
{
    return tally.qsos == 0 ? "-" : std::to_string(tally.qsos) + "/" + std::to_string(tally.points);
}

std::string qsos(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " QSO" : " QSOs");
}

void rateSheet(const LogReport& report, std::string& out)
{
    const std::size_t hourWidth = 17;
    // Each column as wide as its widest cell, two spaces apart: an hour's figure with a
    // negative point count can be wider than the band's total.
    std::vector<std::size_t> widths;
    for (std::size_t b = 0; b < report.bands.size(); ++b) {
        widths.push_back(std::max(bandLabel(report.bands[b]).size(),
                                  cell(report.bandTotals[b]).size()) + 2);
    }
    std::size_t totalWidth = std::max<std::size_t>(cell(report.total).size() + 2, 7);
    for (const HourRow& row : report.hours) {
        for (std::size_t b = 0; b < report.bands.size(); ++b) {
            widths[b] = std::max(widths[b], cell(row.bands[b]).size() + 2);
        }
        totalWidth = std::max(totalWidth, cell(row.total).size() + 2);
    }

    out += "Rate sheet: QSOs/points per UTC clock hour and band\n";
    out += padRight("Hour (UTC)", hourWidth);
    for (std::size_t b = 0; b < report.bands.size(); ++b) {
        out += padLeft(bandLabel(report.bands[b]), widths[b]);
    }
    out += padLeft("Total", totalWidth) + "\n";
    for (const HourRow& row : report.hours) {
        out += padRight(minuteText(row.hour * 60, "%Y-%m-%d %H00"), hourWidth);
        if (row.emptyHours > 0) {
            out += "(" + std::to_string(row.emptyHours) +
                   (row.emptyHours == 1 ? " hour" : " hours") + " with no contact)\n";
            continue;
        }
        for (std::size_t b = 0; b < report.bands.size(); ++b) {
            out += padLeft(cell(row.bands[b]), widths[b]);
        }
        out += padLeft(cell(row.total), totalWidth) + "\n";
    }
    out += padRight("Total", hourWidth);
    for (std::size_t b = 0; b < report.bands.size(); ++b) {
        out += padLeft(cell(report.bandTotals[b]), widths[b]);
    }
    out += padLeft(cell(report.total), totalWidth) + "\n";
}

std::string rateLine(const BestRate& best)
{
    std::string line = padLeft(std::to_string(best.windowMinutes), 4) + " minutes: " +
                       padLeft(qsos(best.qsos), 9);
    if (best.qsos == 0) {
        return line + "\n";
    }
    line += ", " + minuteText(best.firstMinute, "%Y-%m-%d %H%M") + "-" +
            minuteText(best.firstMinute + best.windowMinutes - 1, "%H%M");
    return line + " (" + std::to_string(best.qsos * 60 / best.windowMinutes) + " an hour)\n";
}

void timeFigures(const LogReport& report, std::string& out)
{
    out += "Best rates\n" + rateLine(report.best10) + rateLine(report.best60) + "\n";
    out += "Operating time: " + durationText(report.operatingMinutes) + " of " +
           durationText(report.spanMinutes) + " from the first contact's minute to the last's\n";
    out += "Off periods (" + std::to_string(report.offTimeMinutes) +
           " minutes or more with no contact): ";
    if (report.offPeriods.empty()) {
        out += "none\n";
    } else {
        out += std::to_string(report.offPeriods.size()) + ", " +
               durationText(report.spanMinutes - report.operatingMinutes) + "\n";
    }
    for (const OffPeriod& period : report.offPeriods) {
        out += "  " + minuteText(period.firstMinute, "%Y-%m-%d %H%M") + " - " +
               minuteText(period.lastMinute, "%Y-%m-%d %H%M") + "  " +
               durationText(period.minutes()) + "\n";
    }
    out += "Band changes: " + std::to_string(report.bandChanges) + "\n";
}

void pointsPerBand(const LogReport& report, std::string& out)
{
    // The columns widen to their longest figure and keep at least two spaces between them.
    std::size_t bandWidth = 8;
    std::size_t qsoWidth = 8;
    std::size_t pointWidth = 10;
    auto fit = [](std::size_t& width, const std::string& text) {
        width = std::max(width, text.size() + 2);
    };
    for (std::size_t b = 0; b < report.bands.size(); ++b) {
        fit(bandWidth, bandLabel(report.bands[b]));
        fit(qsoWidth, std::to_string(report.bandTotals[b].qsos));
        fit(pointWidth, std::to_string(report.bandTotals[b].points));
    }
    fit(qsoWidth, std::to_string(report.total.qsos));
    fit(pointWidth, std::to_string(report.total.points));
    auto line = [&](const std::string& band, const std::string& qsoText,
                    const std::string& pointText) {
        return padRight(band, bandWidth) + padLeft(qsoText, qsoWidth) +
               padLeft(pointText, pointWidth) + "\n";
    };
    out += "Points per band\n" + line("Band", "QSOs", "Points");
    for (std::size_t b = 0; b < report.bands.size(); ++b) {
        out += line(bandLabel(report.bands[b]), std::to_string(report.bandTotals[b].qsos),
                    std::to_string(report.bandTotals[b].points));
    }
    out += line("Total", std::to_string(report.total.qsos), std::to_string(report.total.points));
}

void auditFigures(const LogReport& report, std::string& out)
{
    const AuditCounts& audit = report.audit;
    const int64_t cost = audit.repeats.points + audit.early.points;
    out += "Audit under the contest's repeat rule\n";
    out += "  " + padRight(std::string(RepeatsWording) + ":", 15) +
           padLeft(qsos(audit.repeats.qsos), 9) + ", " +
           std::to_string(audit.repeats.points) + " points\n";
    out += "  " + padRight(std::string(EarlyWording) + ":", 15) +
           padLeft(qsos(audit.early.qsos), 9) + ", " +
           std::to_string(audit.early.points) + " points\n";
    out += "  score " + std::to_string(report.total.points) + "; " +
           std::to_string(report.total.points - cost) + " if the sponsor removed them\n";
}

}  // namespace

std::string reportText(const LogReport& report, const ReportHeading& heading)
{
    std::string out = "VESTAR CUP " + heading.contestDate + "  " + heading.station + "\n";
    out += qsos(report.total.qsos);
    if (!report.timeline.empty()) {
        out += ", " + minuteText(report.timeline.front().minute, "%Y-%m-%d %H%M") + " to " +
               minuteText(report.timeline.back().minute, "%Y-%m-%d %H%M") + " UTC";
    }
    out += "\n\n";
    rateSheet(report, out);
    out += "\n";
    timeFigures(report, out);
    out += "\n";
    pointsPerBand(report, out);
    out += "\n";
    auditFigures(report, out);
    return out;
}
