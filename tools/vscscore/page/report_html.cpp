// Writes the report page: a style sheet, the charts inline, and the tables.
#include "page/report_html.h"

#include <algorithm>
#include <iterator>

#include "cli/counted_text.h"
#include "page/page_style.h"
#include "page/report_charts.h"
#include "page/markup.h"
#include "page/svg_canvas.h"

namespace {

// The page lists this many findings and off periods; the text report and the audit have all.
const std::size_t MostListed = 100;
// A rate sheet longer than this shows on the page by UTC day, month or year.
const std::size_t MostRateRows = 168;

std::string box(const std::string& table, bool tall = false)
{
    return std::string(tall ? "<div class=\"box tall\">\n" : "<div class=\"box\">\n") + table +
           "</div>\n";
}

std::string cell(const Tally& tally)
{
    return tally.qsos == 0 ? "" : std::to_string(tally.qsos) + "/" + std::to_string(tally.points);
}

// The rate sheet by a coarser period: a row for each UTC day, month or year with contacts,
// named by its pattern.
std::vector<HourRow> periodRows(const LogReport& report, const char* pattern,
                                std::vector<std::string>& names)
{
    std::vector<HourRow> rows;
    names.clear();
    for (const HourRow& row : report.hours) {
        if (row.emptyHours > 0) {
            continue;
        }
        const std::string name = minuteText(row.hour * 60, pattern);
        if (names.empty() || names.back() != name) {
            names.push_back(name);
            rows.push_back(row);
            continue;
        }
        for (std::size_t b = 0; b < row.bands.size(); ++b) {
            rows.back().bands[b].qsos += row.bands[b].qsos;
            rows.back().bands[b].points += row.bands[b].points;
        }
        rows.back().total.qsos += row.total.qsos;
        rows.back().total.points += row.total.points;
    }
    return rows;
}

std::string rateTable(const LogReport& report)
{
    // The finest period that keeps the table within MostRateRows rows.
    struct Period {
        const char* heading;
        const char* pattern;
    };
    static const Period Periods[] = {{"Hour (UTC)", "%Y-%m-%d %H00"},
                                     {"Day (UTC)", "%Y-%m-%d"},
                                     {"Month (UTC)", "%Y-%m"},
                                     {"Year (UTC)", "%Y"}};
    std::size_t period = 0;
    std::vector<HourRow> rows = report.hours;
    std::vector<std::string> names;
    for (const HourRow& row : rows) {
        names.push_back(minuteText(row.hour * 60, Periods[0].pattern));
    }
    while (rows.size() > MostRateRows && period + 1 < std::size(Periods)) {
        ++period;
        rows = periodRows(report, Periods[period].pattern, names);
    }

    std::string out = "<table class=\"rates\">\n<thead><tr><th>";
    out += Periods[period].heading;
    out += "</th>";
    for (const std::string& band : report.bands) {
        out += "<th>" + escapeMarkup(bandLabel(band)) + "</th>";
    }
    out += "<th>Total</th></tr></thead>\n<tbody>\n";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const HourRow& row = rows[r];
        out += "<tr>" + td(names[r]);
        if (row.emptyHours > 0) {
            out += "<td colspan=\"" + std::to_string(report.bands.size() + 1) + "\">" +
                   std::to_string(row.emptyHours) + (row.emptyHours == 1 ? " hour" : " hours") +
                   " with no contact</td></tr>\n";
            continue;
        }
        for (const Tally& tally : row.bands) {
            out += td(cell(tally));
        }
        out += td(cell(row.total)) + "</tr>\n";
    }
    out += "</tbody>\n<tfoot><tr><td>Total</td>";
    for (const Tally& tally : report.bandTotals) {
        out += td(cell(tally));
    }
    out += td(cell(report.total)) + "</tr></tfoot>\n</table>\n";
    return box(out, true) + (period > 0 ? "<p>Periods with contacts only; the text report "
                                          "(<code>vscscore report</code>) has every hour.</p>\n"
                                        : "");
}

std::string bandTable(const LogReport& report)
{
    std::string out = "<table class=\"bands\">\n<thead><tr><th>Band</th><th>QSOs</th>"
                      "<th>Points</th></tr></thead>\n<tbody>\n";
    for (std::size_t b = 0; b < report.bands.size(); ++b) {
        out += "<tr>" + td(bandLabel(report.bands[b])) +
               td(std::to_string(report.bandTotals[b].qsos)) +
               td(std::to_string(report.bandTotals[b].points)) + "</tr>\n";
    }
    return box(out + "</tbody>\n<tfoot><tr><td>Total</td>" +
               td(std::to_string(report.total.qsos)) + td(std::to_string(report.total.points)) +
               "</tr></tfoot>\n</table>\n");
}

std::string rateItem(const BestRate& best)
{
    std::string out = "<li>" + std::to_string(best.windowMinutes) + " minutes: " +
                      counted(best.qsos, "QSO");
    if (best.qsos > 0) {
        out += ", " + minuteText(best.firstMinute, "%Y-%m-%d %H%M") + "-" +
               minuteText(best.firstMinute + best.windowMinutes - 1, "%H%M") + " UTC (" +
               std::to_string(best.qsos * 60 / best.windowMinutes) + " an hour)";
    }
    return out + "</li>\n";
}

std::string timeFigures(const LogReport& report)
{
    std::string out = "<ul>\n" + rateItem(report.best10) + rateItem(report.best60);
    out += "<li>Operating time: " + durationText(report.operatingMinutes) + " of " +
           durationText(report.spanMinutes) +
           " from the first contact's minute to the last's</li>\n";
    out += "<li>Band changes: " + std::to_string(report.bandChanges) + "</li>\n";
    out += "<li>Off periods (" + std::to_string(report.offTimeMinutes) +
           " minutes or more with no contact): " +
           (report.offPeriods.empty() ? std::string("none")
                                      : std::to_string(report.offPeriods.size()));
    if (!report.offPeriods.empty()) {
        out += "<ul>\n";
        const std::size_t listed = std::min(report.offPeriods.size(), MostListed);
        for (std::size_t k = 0; k < listed; ++k) {
            const OffPeriod& period = report.offPeriods[k];
            out += "<li>" + minuteText(period.firstMinute, "%Y-%m-%d %H%M") + " - " +
                   minuteText(period.lastMinute, "%Y-%m-%d %H%M") + ", " +
                   durationText(period.minutes()) + "</li>\n";
        }
        if (listed < report.offPeriods.size()) {
            out += "<li>and " + std::to_string(report.offPeriods.size() - listed) +
                   " more: the text report lists every one</li>\n";
        }
        out += "</ul>";
    }
    return out + "</li>\n</ul>\n";
}

std::string describe(const LogContact& contact)
{
    return contactText("record " + std::to_string(contact.record), contact);
}

std::string auditSection(const LogReport& report, const std::vector<LogContact>& contacts)
{
    const AuditCounts& audit = report.audit;
    const int64_t cost = audit.repeats.points + audit.early.points;
    std::string out = "<table class=\"audit\">\n<thead><tr><th>Finding</th><th>QSOs</th>"
                      "<th>Points</th></tr></thead>\n<tbody>\n";
    out += "<tr>" + td(RepeatsWording) + td(std::to_string(audit.repeats.qsos)) +
           td(std::to_string(audit.repeats.points)) + "</tr>\n";
    out += "<tr>" + td(EarlyWording) + td(std::to_string(audit.early.qsos)) +
           td(std::to_string(audit.early.points)) + "</tr>\n</tbody>\n</table>\n";
    out = box(out) + "<p>Score " + std::to_string(report.total.points) + "; " +
          std::to_string(report.total.points - cost) + " if the sponsor removed them.</p>\n";
    if (report.findings.empty()) {
        return out;
    }
    std::string table = "<table class=\"findings\">\n<thead><tr><th>Contact</th><th>Finding</th>"
                        "</tr></thead>\n<tbody>\n";
    const std::size_t listed = std::min(report.findings.size(), MostListed);
    for (std::size_t k = 0; k < listed; ++k) {
        const AuditFinding& finding = report.findings[k];
        table += "<tr>" + td(describe(contacts[finding.contact])) +
                 td(findingText(finding, describe(contacts[finding.earlier]))) + "</tr>\n";
    }
    out += box(table + "</tbody>\n</table>\n", true);
    if (listed < report.findings.size()) {
        out += "<p>The first " + std::to_string(listed) + " of " +
               std::to_string(report.findings.size()) +
               " findings; <code>vscscore audit</code> lists every one.</p>\n";
    }
    return out;
}

}  // namespace

std::string reportPage(const LogReport& report, const ReportHeading& heading,
                       const std::vector<LogContact>& contacts)
{
    const std::string title = "VESTAR CUP " + heading.contestDate + " " + heading.station;
    std::string out = pageHead(title) + "<h1>" + escapeMarkup(title) + "</h1>\n<p>" +
                      counted(report.total.qsos, "QSO") + ", score " +
                      std::to_string(report.total.points);
    if (!report.timeline.empty()) {
        out += ", " + minuteText(report.timeline.front().minute, "%Y-%m-%d %H%M") + " to " +
               minuteText(report.timeline.back().minute, "%Y-%m-%d %H%M") + " UTC";
    }
    out += ".</p>\n<h2>Rate</h2>\n";
    out += figure(hourlyRateChart(report), "QSOs per clock hour (UTC), stacked by band");
    out += rateTable(report);
    out += "<h2>Time and bands</h2>\n";
    out += figure(bandTimeChart(report, contacts),
                  "Band by time: the band used at each moment, a line at each band change (or "
                  "their count where they crowd), the off periods cut out and hatched; the "
                  "audit's findings below, shaded by their number where they crowd");
    out += timeFigures(report);
    out += "<h2>Score</h2>\n";
    out += figure(cumulativeScoreChart(report), "Score over time (UTC)");
    out += bandTable(report);
    out += "<h2>Audit under the contest's repeat rule</h2>\n";
    out += auditSection(report, contacts);
    return out + "</body>\n</html>\n";
}
