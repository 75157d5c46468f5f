// The results site's pages: tables, figures and the findings, all text escaped.
#include "crosscheck_output/results_site.h"

#include <algorithm>
#include <unordered_map>

#include "cli/counted_text.h"
#include "crosscheck/log_score.h"
#include "crosscheck_output/output_names.h"
#include "page/page_style.h"
#include "page/report_charts.h"
#include "scoring/band_order.h"
#include "crosscheck_output/site_rates.h"
#include "page/markup.h"
#include "page/svg_canvas.h"

namespace {

// A whole results table on the index up to this many logs; beyond, pages of this many rows.
const std::size_t PageRows = 500;
// The index shows each category's leaders when the table has pages of its own.
const std::size_t Leaders = 10;
// An entrant page lists this many findings; the ubn report has every one.
const std::size_t MostFindings = 200;
const std::size_t MostCostly = 20;

// A findings line longer than the page wraps rather than push the last column out of sight;
// on a phone the lines stay whole, their table scrolling in its box. A results table scrolled
// sideways keeps its calls in view.
const char SiteStyle[] =
    "nav{font-size:13px}.results thead th{white-space:normal;vertical-align:bottom}\n"
    ".results td:first-child,.results th:first-child{position:sticky;left:0;background:#fff;"
    "z-index:1}\n"
    ".findings td{vertical-align:top;white-space:normal}\n"
    ".findings code{white-space:pre-wrap;overflow-wrap:anywhere;font-size:12px}\n"
    "@media (max-width:700px){.findings code{white-space:pre;overflow-wrap:normal}}\n";

// A file name as a link: every byte but the plainest percent-encoded, so a callsign's
// characters never end the attribute or read as a query or fragment.
std::string href(const std::string& name)
{
    static const char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || std::string("-._~/").find(c) !=
                                                               std::string::npos;
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 15];
        }
    }
    return out;
}

std::string link(const std::string& target, const std::string& text)
{
    return "<a href=\"" + href(target) + "\">" + escapeMarkup(text) + "</a>";
}

std::string number(int64_t value)
{
    return "<td>" + std::to_string(value) + "</td>";
}

std::string box(const std::string& table)
{
    return "<div class=\"box\">\n" + table + "</div>\n";
}

std::string percent(uint64_t part, uint64_t whole)
{
    if (whole == 0) {
        return "0.0 %";
    }
    const uint64_t tenths = (part * 1000 + whole / 2) / whole;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " %";
}

std::string signedMinutes(int32_t minutes)
{
    return (minutes > 0 ? "+" : "") + std::to_string(minutes);
}

// As the checked score counts them: ok, no-log, and unique where the rules allow it.
bool isCredited(Verdict verdict, const CrosscheckRules& rules)
{
    return verdict == Verdict::Ok || verdict == Verdict::NoLog ||
           (verdict == Verdict::Unique && rules.unique);
}

std::string categoryName(const std::string& categories)
{
    return categories.empty() ? std::string("(no category)") : categories;
}

const Verdict TableVerdicts[] = {Verdict::Dupe,           Verdict::TooEarly, Verdict::BustedCall,
                                 Verdict::NotInLog,       Verdict::BustedExchange,
                                 Verdict::Unique,         Verdict::NoLog};

std::string tableHead()
{
    std::string out = "<table class=\"results\">\n<thead><tr><th>Call</th><th>Place</th>"
                      "<th>Claimed</th><th>Lines</th><th>Confirmed</th>";
    for (Verdict v : TableVerdicts) {
        out += std::string("<th>") + verdictName(v) + "</th>";
    }
    return out + "<th>Clock</th><th>Checked</th><th>Penalty</th><th>Final</th></tr></thead>\n"
                 "<tbody>\n";
}

std::string tableRow(const LogSet& set, const CrosscheckResult& result, std::size_t l,
                     std::size_t place)
{
    const LogInput& log = set.logs[l];
    const LogTotals& t = result.totals[l];
    const ClockEstimate& clock = result.clocks[l];
    std::string out = "<tr><td>" + link(entrantPageName(log.call), log.call) + "</td>" +
                      number(static_cast<int64_t>(place)) +
                      (log.claimedGiven ? number(log.claimed) : std::string("<td></td>")) +
                      number(static_cast<int64_t>(log.qsos.size())) + number(t.confirmed);
    for (Verdict v : TableVerdicts) {
        out += number(t.counts[static_cast<int>(v)]);
    }
    return out + td(signedMinutes(clock.offset) + (clock.reliable ? "" : "?")) +
           number(t.checked) + number(t.penalty) + number(t.final()) + "</tr>\n";
}

// The standing from first to end as tables, one a category, each row's place in its category;
// of each category only its first leaders.
std::string standingTables(const LogSet& set, const CrosscheckResult& result,
                           const SiteContext& site, std::size_t first, std::size_t end,
                           std::size_t leaders)
{
    const std::string close = "</tbody>\n</table>\n</div>\n";
    std::string out;
    std::size_t place = 0;
    std::string category = "\x01";
    bool open = false;
    for (std::size_t k = 0; k < end; ++k) {
        const LogInput& log = set.logs[site.standing[k]];
        if (log.categories != category) {
            category = log.categories;
            place = 0;
        }
        ++place;
        if (k < first || place > leaders) {
            continue;
        }
        if (place == 1 || k == first) {
            out += (open ? close : std::string()) + "<h3>" +
                   escapeMarkup(categoryName(category)) + (place == 1 ? "" : ", continued") +
                   "</h3>\n<div class=\"box\">\n" + tableHead();
            open = true;
        }
        out += tableRow(set, result, site.standing[k], place);
    }
    return out + (open ? close : std::string());
}

std::string pageLinks(const SiteContext& site)
{
    std::string out = "<nav>Whole results:";
    for (std::size_t p = 0; p < site.resultPages; ++p) {
        out += " " + link(resultPageName(p),
                          std::to_string(p * PageRows + 1) + "-" +
                              std::to_string(std::min(site.standing.size(), (p + 1) * PageRows)));
    }
    return out + "</nav>\n";
}

int bandSlotOf(const SiteContext& site, NameId band)
{
    return band < site.bandSlot.size() ? site.bandSlot[band] : -1;
}

// Which log holds each callsign, for the costs a log's absence of a line causes others.
std::unordered_map<NameId, std::size_t> logsOfCalls(const LogSet& set,
                                                    const std::vector<std::size_t>& logs)
{
    std::unordered_map<NameId, std::size_t> found;
    for (std::size_t l : logs) {
        const NameId id = set.names.find(set.logs[l].call);
        if (id != NoName) {
            found.emplace(id, l);
        }
    }
    return found;
}

std::string contestFigures(const LogSet& set, const CrosscheckResult& result,
                           const SiteContext& site)
{
    uint64_t counts[VerdictCount] = {};
    uint64_t lines = 0;
    uint64_t confirmed = 0;
    for (std::size_t l : site.standing) {
        for (int v = 0; v < VerdictCount; ++v) {
            counts[v] += result.totals[l].counts[v];
        }
        lines += set.logs[l].qsos.size();
        confirmed += result.totals[l].confirmed;
    }
    std::string out = "<ul>\n<li>" + counted(site.standing.size(), "log") + ", " +
                      counted(lines, "QSO line") + "</li>\n<li>Confirmed by the other " +
                      "station's log: " + std::to_string(confirmed) + " (" +
                      percent(confirmed, lines) + ")</li>\n</ul>\n";
    std::string table = "<table class=\"verdicts\">\n<thead><tr><th>Verdict</th><th>Lines</th>"
                        "<th>Share</th></tr></thead>\n<tbody>\n";
    for (int v = 0; v < VerdictCount; ++v) {
        table += std::string("<tr><td>") + verdictName(static_cast<Verdict>(v)) + "</td>" +
                 number(static_cast<int64_t>(counts[v])) + td(percent(counts[v], lines)) +
                 "</tr>\n";
    }
    return out + box(table + "</tbody>\n</table>\n");
}

std::string contestRates(const LogSet& set, const SiteContext& site)
{
    HourlyTally tally(site.bands);
    for (std::size_t l : site.standing) {
        for (const QsoInput& q : set.logs[l].qsos) {
            const int slot = bandSlotOf(site, q.band);
            if (q.valid && slot >= 0) {
                tally.add(q.minute, static_cast<std::size_t>(slot), 1);
            }
        }
    }
    return figure(hourlyRateChart(tally.report()),
                  "QSO lines per clock hour (UTC) across all logs, as logged, stacked by band");
}

std::string costliest(const LogSet& set, const CrosscheckResult& result,
                      const SiteContext& site)
{
    const auto logOf = logsOfCalls(set, site.standing);
    std::vector<uint32_t> nil(set.logs.size(), 0);
    std::vector<uint32_t> busted(set.logs.size(), 0);
    for (std::size_t l : site.standing) {
        const LogInput& log = set.logs[l];
        for (std::size_t i = 0; i < log.qsos.size(); ++i) {
            const LineResult& line = result.lines[l][i];
            if (line.verdict == Verdict::NotInLog) {
                const auto found = logOf.find(log.qsos[i].call);
                if (found != logOf.end()) {
                    ++nil[found->second];
                }
            } else if (line.verdict == Verdict::BustedCall && line.partnerLog >= 0) {
                ++busted[static_cast<std::size_t>(line.partnerLog)];
            }
        }
    }
    std::vector<std::size_t> order;
    for (std::size_t l : site.standing) {
        if (nil[l] + busted[l] > 0) {
            order.push_back(l);
        }
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (nil[a] + busted[a] != nil[b] + busted[b]) {
            return nil[a] + busted[a] > nil[b] + busted[b];
        }
        return set.logs[a].call < set.logs[b].call;
    });
    if (order.empty()) {
        return "<p>No log caused a finding in another.</p>\n";
    }
    order.resize(std::min(order.size(), MostCostly));
    std::string table = "<table class=\"costs\">\n<thead><tr><th>Call</th><th>Not in their log"
                        "</th><th>Their call busted</th><th>Total</th></tr></thead>\n<tbody>\n";
    for (std::size_t l : order) {
        table += "<tr><td>" + link(entrantPageName(set.logs[l].call), set.logs[l].call) +
                 "</td>" + number(nil[l]) + number(busted[l]) + number(nil[l] + busted[l]) +
                 "</tr>\n";
    }
    return "<p>Not in their log: other logs' contacts with them that their log lacks. Their "
           "call busted: other logs' contacts with them logged under another call.</p>\n" +
           box(table + "</tbody>\n</table>\n");
}

// Where the claimed score and the final one part: per verdict, the points not credited and
// the penalty.
std::string scoreDifference(const LogSet& set, const CrosscheckResult& result,
                            const CrosscheckRules& rules, std::size_t l)
{
    const LogInput& log = set.logs[l];
    const LogTotals& t = result.totals[l];
    int64_t logged = 0;
    int64_t lost[VerdictCount] = {};
    for (std::size_t i = 0; i < log.qsos.size(); ++i) {
        const QsoInput& q = log.qsos[i];
        if (!q.valid) {
            continue;
        }
        const int64_t points = linePoints(set, log, q, rules);
        logged += points;
        const bool credited = isCredited(result.lines[l][i].verdict, rules);
        if (!credited) {
            lost[static_cast<int>(result.lines[l][i].verdict)] += points;
        }
    }
    std::string out = "<ul>\n<li>Claimed: " +
                      (log.claimedGiven ? std::to_string(log.claimed) : std::string("none")) +
                      "</li>\n<li>The lines as logged: " + std::to_string(logged) +
                      " points</li>\n<li>Checked: " + std::to_string(t.checked) +
                      ", penalty: " + std::to_string(t.penalty) + ", final: " +
                      std::to_string(t.final()) + "</li>\n</ul>\n";
    std::string table = "<table class=\"difference\">\n<thead><tr><th>Verdict</th><th>Lines"
                        "</th><th>Points not credited</th><th>Penalty</th></tr></thead>\n"
                        "<tbody>\n";
    bool any = false;
    for (int v = 0; v < VerdictCount; ++v) {
        const auto verdict = static_cast<Verdict>(v);
        if (!isFinding(verdict) || t.counts[v] == 0) {
            continue;
        }
        const unsigned times = verdict == Verdict::NotInLog         ? rules.penaltyNotInLog
                               : verdict == Verdict::BustedCall     ? rules.penaltyBustedCall
                               : verdict == Verdict::BustedExchange ? rules.penaltyBustedExchange
                                                                    : 0;
        table += std::string("<tr><td>") + verdictName(verdict) + "</td>" + number(t.counts[v]) +
                 number(lost[v]) + number(lost[v] * times) + "</tr>\n";
        any = true;
    }
    return out + (any ? box(table + "</tbody>\n</table>\n") : "<p>No findings.</p>\n");
}

std::string entrantRates(const LogSet& set, const CrosscheckResult& result,
                         const CrosscheckRules& rules, const SiteContext& site, std::size_t l)
{
    // The removed contacts are one more series on top of each bar, after the bands.
    std::vector<std::string> series = site.bands;
    series.push_back("removed");
    HourlyTally tally(series);
    const LogInput& log = set.logs[l];
    for (std::size_t i = 0; i < log.qsos.size(); ++i) {
        const QsoInput& q = log.qsos[i];
        const int slot = bandSlotOf(site, q.band);
        if (!q.valid || slot < 0) {
            continue;
        }
        const bool credited = isCredited(result.lines[l][i].verdict, rules);
        tally.add(q.minute, credited ? static_cast<std::size_t>(slot) : site.bands.size(),
                  linePoints(set, log, q, rules));
    }
    return figure(hourlyRateChart(tally.report()),
                  "QSO lines per clock hour (UTC) as logged, stacked by band; the lines the "
                  "check did not credit stacked on top as \"removed\"");
}

std::string findingsTable(const LogSet& set, const CrosscheckResult& result, std::size_t l,
                          const LineText& text)
{
    const LogInput& log = set.logs[l];
    std::string table = "<table class=\"findings\">\n<thead><tr><th>Line</th><th>Verdict</th>"
                        "<th>The line, the partner's below it</th><th>From</th></tr></thead>\n"
                        "<tbody>\n";
    std::size_t findings = 0;
    for (std::size_t i = 0; i < log.qsos.size(); ++i) {
        const LineResult& line = result.lines[l][i];
        if (!isFinding(line.verdict)) {
            continue;
        }
        if (++findings > MostFindings) {
            continue;
        }
        std::string verdict = verdictName(line.verdict);
        if (line.verdict == Verdict::BustedCall && line.partnerCall != NoName) {
            verdict += " (the station worked: " + std::string(set.names.text(line.partnerCall)) +
                       ")";
        }
        // The two lines one above the other, so that their fields line up.
        table += "<tr>" + number(log.qsos[i].line) + td(verdict) + "<td><code>" +
                 escapeMarkup(text(l, log.qsos[i].line)) + "</code>";
        std::string source;
        if (line.partnerQso >= 0) {
            const bool ownLine =
                line.verdict == Verdict::Dupe || line.verdict == Verdict::TooEarly;
            const std::size_t p = ownLine ? l : static_cast<std::size_t>(line.partnerLog);
            const uint32_t at = set.logs[p].qsos[static_cast<std::size_t>(line.partnerQso)].line;
            table += "<br><code>" + escapeMarkup(text(p, at)) + "</code>";
            source = ownLine ? "earlier, line " + std::to_string(at)
                             : link(entrantPageName(set.logs[p].call).substr(4),
                                    set.logs[p].call) +
                                   " line " + std::to_string(at);
        }
        table += "</td><td>" + source + "</td></tr>\n";
    }
    if (findings == 0) {
        return "<p>No findings: every line credited.</p>\n";
    }
    std::string out = box(table + "</tbody>\n</table>\n");
    if (findings > MostFindings) {
        out += "<p>The first " + std::to_string(MostFindings) + " of " +
               std::to_string(findings) + " findings; " +
               link("../" + ubnFileName(log.call), ubnFileName(log.call)) +
               " lists every one.</p>\n";
    }
    return out;
}

}  // namespace

SiteContext siteContext(const LogSet& set, const CrosscheckResult& result)
{
    SiteContext site;
    site.standing = logsByStanding(set, result);
    std::vector<bool> seen;
    for (std::size_t l : site.standing) {
        for (const QsoInput& q : set.logs[l].qsos) {
            if (q.band >= seen.size()) {
                seen.resize(q.band + 1, false);
            }
            seen[q.band] = true;
        }
    }
    BandList bands;
    for (NameId id = 1; id < seen.size(); ++id) {
        if (seen[id]) {
            bands.emplace_back(set.names.text(id));
        }
    }
    orderBands(bands);
    site.bands = bands;
    site.bandSlot.assign(seen.size(), -1);
    for (std::size_t b = 0; b < bands.size(); ++b) {
        site.bandSlot[set.names.find(bands[b])] = static_cast<int>(b);
    }
    if (site.standing.size() > PageRows) {
        site.resultPages = (site.standing.size() + PageRows - 1) / PageRows;
    }
    return site;
}

std::string entrantPageName(const std::string& call)
{
    return "log/" + outputFileBase(call) + ".html";
}

std::string resultPageName(std::size_t page)
{
    return "results-" + std::to_string(page + 1) + ".html";
}

std::string siteIndex(const LogSet& set, const CrosscheckResult& result,
                      const CrosscheckRules& rules, const SiteContext& site)
{
    std::string out = pageHead("Cross-check results", SiteStyle) + "<h1>Cross-check results</h1>\n";
    if (rules.periodGiven) {
        out += "<p>Contest period: " + minuteText(rules.startMinute, "%Y-%m-%d %H%M") + " UTC, " +
               counted(rules.hours, "hour") + ".</p>\n";
    }
    out += "<h2>Results by category</h2>\n";
    if (site.resultPages == 0) {
        out += standingTables(set, result, site, 0, site.standing.size(),
                              site.standing.size());
    } else {
        out += "<p>Each category's first " + std::to_string(Leaders) + ".</p>\n" +
               pageLinks(site) +
               standingTables(set, result, site, 0, site.standing.size(), Leaders);
    }
    out += "<h2>The contest in numbers</h2>\n" + contestFigures(set, result, site);
    out += "<h2>Rate</h2>\n" + contestRates(set, site);
    out += "<h2>The logs that cost others the most</h2>\n" + costliest(set, result, site);
    out += "<p>Each call's page gives its findings; its report as text is in <code>ubn/</code>, "
           "every QSO line's verdict in " + link("qsos.csv", "qsos.csv") + ", the table in " +
           link("results.csv", "results.csv") + ".</p>\n";
    return out + "</body>\n</html>\n";
}

std::string resultPage(const LogSet& set, const CrosscheckResult& result,
                       const SiteContext& site, std::size_t page)
{
    const std::size_t first = page * PageRows;
    const std::size_t end = std::min(site.standing.size(), first + PageRows);
    const std::string title = "Cross-check results, " + std::to_string(first + 1) + "-" +
                              std::to_string(end);
    return pageHead(title, SiteStyle) + "<nav>" + link("index.html", "Results") + "</nav>\n<h1>" +
           escapeMarkup(title) + "</h1>\n" + pageLinks(site) +
           standingTables(set, result, site, first, end, end) +
           "</body>\n</html>\n";
}

std::string entrantPage(const LogSet& set, const CrosscheckResult& result,
                        const CrosscheckRules& rules, const SiteContext& site, std::size_t l,
                        const LineText& text)
{
    const LogInput& log = set.logs[l];
    std::string out = pageHead("Cross-check: " + log.call, SiteStyle) + "<nav>" +
                      link("../index.html", "Results") + " | " +
                      link("../" + ubnFileName(log.call), "the report as text") + "</nav>\n<h1>" +
                      escapeMarkup(log.call) + "</h1>\n<p>" +
                      escapeMarkup(categoryName(log.categories)) + ", " +
                      counted(log.qsos.size(), "QSO line") + ", " +
                      std::to_string(result.totals[l].confirmed) + " confirmed.</p>\n";
    out += "<h2>Score</h2>\n" + scoreDifference(set, result, rules, l);
    out += "<p>Clock offset: " +
           escapeMarkup(result.clocksEstimated ? clockText(result.clocks[l])
                                               : std::string("not estimated")) +
           "</p>\n";
    out += "<h2>Rate</h2>\n" + entrantRates(set, result, rules, site, l);
    out += "<h2>Findings</h2>\n" + findingsTable(set, result, l, text);
    return out + "</body>\n</html>\n";
}
