// Writes the report page: a style sheet, the charts inline, and the tables.
#include "report_html.h"

#include "counted_text.h"
#include "report_charts.h"
#include "svg_canvas.h"

namespace {

const char Style[] =
    "body{font-family:sans-serif;margin:1.5em auto;max-width:980px;color:#222}\n"
    "h1{font-size:1.5em}h2{font-size:1.2em;margin-top:1.6em}\n"
    "table{border-collapse:collapse;margin:.6em 0}\n"
    "th,td{padding:2px 8px;text-align:right;border-bottom:1px solid #ddd;white-space:nowrap}\n"
    "th:first-child,td:first-child{text-align:left}\n"
    "tfoot td{font-weight:bold;border-top:2px solid #888}\n"
    ".findings td{text-align:left}\n"
    "svg{display:block;max-width:100%;height:auto;font-size:12px}\n"
    "svg .label{fill:#222}svg .title{fill:#222;font-weight:bold}\n"
    "svg .axis{stroke:#444;stroke-width:1}svg .grid{stroke:#ddd;stroke-width:1}\n"
    "svg .score{fill:none;stroke:#0072B2;stroke-width:2}\n"
    "svg .change{stroke:#888;stroke-width:1}\n"
    "svg .repeat{fill:#000;stroke:#000}svg .early{fill:#fff;stroke:#000;stroke-width:1.5}\n";

std::string cell(const Tally& tally)
{
    return tally.qsos == 0 ? "" : std::to_string(tally.qsos) + "/" + std::to_string(tally.points);
}

std::string td(const std::string& text)
{
    return "<td>" + escapeMarkup(text) + "</td>";
}

std::string rateTable(const LogReport& report)
{
    std::string out = "<table class=\"rates\">\n<thead><tr><th>Hour (UTC)</th>";
    for (const std::string& band : report.bands) {
        out += "<th>" + escapeMarkup(bandLabel(band)) + "</th>";
    }
    out += "<th>Total</th></tr></thead>\n<tbody>\n";
    for (const HourRow& row : report.hours) {
        out += "<tr>" + td(minuteText(row.hour * 60, "%Y-%m-%d %H00"));
        if (row.emptyHours > 1) {
            out += "<td colspan=\"" + std::to_string(report.bands.size() + 1) + "\">" +
                   std::to_string(row.emptyHours) + " hours with no contact</td></tr>\n";
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
    return out + td(cell(report.total)) + "</tr></tfoot>\n</table>\n";
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
    return out + "</tbody>\n<tfoot><tr><td>Total</td>" + td(std::to_string(report.total.qsos)) +
           td(std::to_string(report.total.points)) + "</tr></tfoot>\n</table>\n";
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
        for (const OffPeriod& period : report.offPeriods) {
            out += "<li>" + minuteText(period.firstMinute, "%Y-%m-%d %H%M") + " - " +
                   minuteText(period.lastMinute, "%Y-%m-%d %H%M") + ", " +
                   durationText(period.minutes()) + "</li>\n";
        }
        out += "</ul>";
    }
    return out + "</li>\n</ul>\n";
}

std::string describe(const LogContact& contact)
{
    return "record " + std::to_string(contact.record) + " " +
           formatDateParts(contact.when, "%Y-%m-%d %H%M") + " " + contact.host.call + " " +
           bandLabel(contact.host.band) + " " + contact.host.mode;
}

std::string auditSection(const LogReport& report, const std::vector<LogContact>& contacts)
{
    const AuditCounts& audit = report.audit;
    const int64_t cost = audit.repeats.points + audit.early.points;
    std::string out = "<table class=\"audit\">\n<thead><tr><th>Finding</th><th>QSOs</th>"
                      "<th>Points</th></tr></thead>\n<tbody>\n";
    out += "<tr>" + td("exact repeats") + td(std::to_string(audit.repeats.qsos)) +
           td(std::to_string(audit.repeats.points)) + "</tr>\n";
    out += "<tr>" + td("too early") + td(std::to_string(audit.early.qsos)) +
           td(std::to_string(audit.early.points)) + "</tr>\n</tbody>\n</table>\n";
    out += "<p>Score " + std::to_string(report.total.points) + "; " +
           std::to_string(report.total.points - cost) + " if the sponsor removed them.</p>\n";
    if (report.findings.empty()) {
        return out;
    }
    out += "<table class=\"findings\">\n<thead><tr><th>Contact</th><th>Finding</th></tr>"
           "</thead>\n<tbody>\n";
    for (const AuditFinding& finding : report.findings) {
        const std::string what = finding.tooEarly ? "too early after " : "exact repeat of ";
        out += "<tr>" + td(describe(contacts[finding.contact])) +
               td(what + describe(contacts[finding.earlier])) + "</tr>\n";
    }
    return out + "</tbody>\n</table>\n";
}

std::string figure(const std::string& svg, const std::string& caption)
{
    return "<figure>\n" + svg + "<figcaption>" + escapeMarkup(caption) +
           "</figcaption>\n</figure>\n";
}

}  // namespace

std::string reportPage(const LogReport& report, const ReportHeading& heading,
                       const std::vector<LogContact>& contacts)
{
    const std::string title = "VESTAR CUP " + heading.contestDate + " " + heading.station;
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta name=\"viewport\" content=\"width=device-width\">\n<title>" +
                      escapeMarkup(title) + "</title>\n<style>\n" + Style +
                      "</style>\n</head>\n<body>\n<h1>" + escapeMarkup(title) + "</h1>\n<p>" +
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
                  "Band by time: each bar a run on one band, a line each band change, hatched "
                  "the off periods; the audit's findings below");
    out += timeFigures(report);
    out += "<h2>Score</h2>\n";
    out += figure(cumulativeScoreChart(report), "Score over time (UTC)");
    out += bandTable(report);
    out += "<h2>Audit under the contest's repeat rule</h2>\n";
    out += auditSection(report, contacts);
    return out + "</body>\n</html>\n";
}
