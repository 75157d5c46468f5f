// Output texts: plain text and CSV, composed whole in memory, written by the caller.
#include "crosscheck_output/crosscheck_reports.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "crosscheck_output/output_names.h"
#include "scoring/ole_date.h"
#include "cli/shown_text.h"

namespace {

// A CSV field, one line, control bytes shown escaped; quoted when it holds a comma, a quote or
// a line break. A text cell a spreadsheet would read as a formula (=, +, - or @ first) gets a
// leading ' and quotes, as OWASP's advice on CSV injection has it.
std::string csv(const std::string& raw)
{
    const std::string text = shownLine(raw);
    const bool formula = !text.empty() && std::strchr("=+-@", text[0]) != nullptr;
    if (!formula && text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = formula ? "\"'" : "\"";
    for (char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

// True when the text is a CSV cell as it stands: printable ASCII, no comma or quote, no
// formula's first character. Millions of partner cells pass here with no copy.
bool plainCell(std::string_view text)
{
    if (!text.empty() && std::strchr("=+-@", text[0]) != nullptr) {
        return false;
    }
    for (char c : text) {
        if (c < 0x20 || c > 0x7E || c == ',' || c == '"') {
            return false;
        }
    }
    return true;
}

std::string signedMinutes(int32_t minutes)
{
    return (minutes > 0 ? "+" : "") + std::to_string(minutes);
}

}  // namespace

std::string clockText(const ClockEstimate& clock)
{
    if (clock.samples < 3) {
        return "0 (too few matched contacts to estimate)";
    }
    return signedMinutes(clock.offset) + " minutes (from " + std::to_string(clock.samples) +
           " matched contacts" + (clock.reliable ? ")" : "; clock unreliable)");
}

namespace {

std::string padded(const std::string& text, std::size_t width, bool right = false)
{
    if (text.size() >= width) {
        return text;
    }
    const std::string fill(width - text.size(), ' ');
    return right ? fill + text : text + fill;
}

}  // namespace

// A credited station that sent no log is no finding of the entrant's.
bool isFinding(Verdict verdict)
{
    return verdict != Verdict::Ok && verdict != Verdict::NoLog;
}

namespace {

const char* const CountHeadings[] = {"invalid", "out_of_period", "dupe", "too_early",
                                     "busted_call", "not_in_log", "busted_exchange", "unique",
                                     "no_log", "ok"};

std::string claimedText(const LogInput& log)
{
    return log.claimedGiven ? std::to_string(log.claimed) : std::string();
}

}  // namespace

std::vector<std::size_t> logsByCall(const LogSet& set, const CrosscheckResult& result)
{
    std::vector<std::size_t> order;
    for (std::size_t l = 0; l < set.logs.size(); ++l) {
        if (result.superseded[l] < 0) {
            order.push_back(l);
        }
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return set.logs[a].call < set.logs[b].call;
    });
    return order;
}

std::vector<std::size_t> logsByStanding(const LogSet& set, const CrosscheckResult& result)
{
    std::vector<std::size_t> order = logsByCall(set, result);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (set.logs[a].categories != set.logs[b].categories) {
            return set.logs[a].categories < set.logs[b].categories;
        }
        return result.totals[a].final() > result.totals[b].final();
    });
    return order;
}

std::string qsosCsv(const LogSet& set, const CrosscheckResult& result)
{
    std::string out = "log,line,verdict,partner,partner_line\n";
    std::size_t lines = 0;
    for (const LogInput& log : set.logs) {
        lines += log.qsos.size();
    }
    out.reserve(lines * 40);
    // Millions of rows: each field appended in place, no string made per row.
    std::vector<std::string> calls(set.logs.size());
    for (std::size_t l = 0; l < set.logs.size(); ++l) {
        calls[l] = csv(set.logs[l].call);
    }
    char number[16];
    auto appendNumber = [&](uint32_t value) {
        out.append(number, std::to_chars(number, number + sizeof number, value).ptr);
    };
    for (std::size_t l : logsByCall(set, result)) {
        const LogInput& log = set.logs[l];
        for (std::size_t i = 0; i < log.qsos.size(); ++i) {
            const LineResult& line = result.lines[l][i];
            out += calls[l];
            out += ',';
            appendNumber(log.qsos[i].line);
            out += ',';
            out += verdictName(line.verdict);
            out += ',';
            const bool ownLine = line.verdict == Verdict::Dupe || line.verdict == Verdict::TooEarly;
            if (line.partnerCall != NoName) {
                const std::string_view call = set.names.text(line.partnerCall);
                if (plainCell(call)) {
                    out.append(call.data(), call.size());
                } else {
                    out += csv(std::string(call));
                }
            } else if (line.partnerLog >= 0 && !ownLine) {
                out += calls[static_cast<std::size_t>(line.partnerLog)];
            }
            out += ',';
            if (line.partnerQso >= 0 && !ownLine) {
                const auto& partner = set.logs[static_cast<std::size_t>(line.partnerLog)];
                appendNumber(partner.qsos[static_cast<std::size_t>(line.partnerQso)].line);
            }
            out += '\n';
        }
    }
    return out;
}

std::string resultsCsv(const LogSet& set, const CrosscheckResult& result)
{
    std::string out = "call,categories,claimed,qso_lines,confirmed";
    for (const char* heading : CountHeadings) {
        out += std::string(",") + heading;
    }
    out += ",clock_offset,clock_reliable,checked,penalty,final\n";
    for (std::size_t l : logsByStanding(set, result)) {
        const LogInput& log = set.logs[l];
        const LogTotals& t = result.totals[l];
        out += csv(log.call) + "," + csv(log.categories) + "," + claimedText(log) + "," +
               std::to_string(log.qsos.size()) + "," + std::to_string(t.confirmed);
        for (uint32_t count : t.counts) {
            out += "," + std::to_string(count);
        }
        const ClockEstimate& clock = result.clocks[l];
        out += "," + std::to_string(clock.offset) + "," + (clock.reliable ? "yes" : "no") + "," +
               std::to_string(t.checked) + "," + std::to_string(t.penalty) + "," +
               std::to_string(t.final()) + "\n";
    }
    return out;
}

namespace {

// The columns of results.txt, in order: heading, what the legend says of it.
const char* const TextColumns[][2] = {
    {"Place", "place in the category, by final score"},
    {"Call", "the entrant's callsign"},
    {"Claimed", "the score the entrant claimed (CLAIMED-SCORE:)"},
    {"Lines", "QSO lines in the log"},
    {"Conf", "contacts the partner's log confirms"},
    {"Dupe", "repeats of a contact already counted"},
    {"Early", "the same station again, on another band or mode, too soon"},
    {"Bust", "the worked call miscopied"},
    {"NIL", "not in the log of the station worked"},
    {"BExch", "the exchange miscopied"},
    {"Uniq", "a call in no other log"},
    {"NoLog", "a station that sent no log, credited"},
    {"Clock", "the log's clock offset in minutes; ? where its matches disagree"},
    {"Checked", "the score after the cross-check, before penalties"},
    {"Penalty", "points lost for not-in-log and miscopied contacts"},
    {"Final", "Checked less Penalty, never below 0: a log whose penalties pass its score "
              "scores 0"},
};
constexpr std::size_t TextColumnCount = sizeof TextColumns / sizeof TextColumns[0];
using TextRow = std::vector<std::string>;

// "2025-02-15 0600 to 2025-02-16 0600 UTC", the day left out of the end when it is the same.
std::string periodText(const CrosscheckRules& rules)
{
    if (!rules.periodGiven) {
        return "period not given";
    }
    DateTimeParts start;
    DateTimeParts end;
    breakDownOleDate(rules.startMinute / 1440.0, start);
    breakDownOleDate((rules.startMinute + 60.0 * rules.hours) / 1440.0, end);
    const bool sameDay =
        start.year == end.year && start.month == end.month && start.day == end.day;
    return formatDateParts(start, "%Y-%m-%d %H%M") + " to " +
           formatDateParts(end, sameDay ? "%H%M" : "%Y-%m-%d %H%M") + " UTC";
}

TextRow textRow(const LogSet& set, const CrosscheckResult& result, std::size_t l,
                std::size_t place)
{
    const LogInput& log = set.logs[l];
    const LogTotals& t = result.totals[l];
    const ClockEstimate& clock = result.clocks[l];
    TextRow row = {std::to_string(place), shownLine(log.call), claimedText(log),
                   std::to_string(log.qsos.size()), std::to_string(t.confirmed)};
    for (Verdict v : {Verdict::Dupe, Verdict::TooEarly, Verdict::BustedCall, Verdict::NotInLog,
                      Verdict::BustedExchange, Verdict::Unique, Verdict::NoLog}) {
        row.push_back(std::to_string(t.counts[static_cast<int>(v)]));
    }
    row.push_back(signedMinutes(clock.offset) + (clock.reliable ? "" : "?"));
    row.push_back(std::to_string(t.checked));
    row.push_back(std::to_string(t.penalty));
    row.push_back(std::to_string(std::max<int64_t>(t.final(), 0)));
    return row;
}

// The call left-aligned, every other column right-aligned; each as wide as its widest cell.
std::string textLine(const TextRow& row, const std::vector<std::size_t>& widths)
{
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
        line += (c == 0 ? "" : "  ") + padded(row[c], widths[c], c != 1);
    }
    return line.erase(line.find_last_not_of(' ') + 1) + "\n";
}

}  // namespace

std::string resultsText(const LogSet& set, const CrosscheckResult& result,
                        const CrosscheckRules& rules, const std::vector<std::string>& notes)
{
    TextRow heading;
    std::vector<std::size_t> widths;
    for (const auto& column : TextColumns) {
        heading.push_back(column[0]);
        widths.push_back(std::strlen(column[0]));
    }
    std::vector<std::pair<std::string, TextRow>> rows;  // category, row
    std::string category = "\x01";
    std::size_t place = 0;
    for (std::size_t l : logsByStanding(set, result)) {
        const LogInput& log = set.logs[l];
        place = log.categories == category ? place + 1 : 1;
        category = log.categories;
        rows.emplace_back(category, textRow(set, result, l, place));
        for (std::size_t c = 0; c < TextColumnCount; ++c) {
            widths[c] = std::max(widths[c], rows.back().second[c].size());
        }
    }
    std::string out = shownLine(rules.contest) + ", " + periodText(rules) + "\n" +
                      "Cross-check results\n";
    category = "\x01";
    for (const auto& row : rows) {
        if (row.first != category) {
            category = row.first;
            out += "\n" + (category.empty() ? std::string("(no category)") : shownLine(category)) +
                   "\n" + textLine(heading, widths);
        }
        out += textLine(row.second, widths);
    }
    out += "\nLegend\n";
    std::size_t headingWidth = 0;
    for (const auto& column : TextColumns) {
        headingWidth = std::max(headingWidth, std::strlen(column[0]));
    }
    for (const auto& column : TextColumns) {
        out += "  " + padded(column[0], headingWidth + 2) + column[1] + "\n";
    }
    if (!notes.empty()) {
        out += "\nNotes\n";
        for (const std::string& note : notes) {
            out += "  " + shownLine(note) + "\n";
        }
    }
    return out;
}

std::vector<std::pair<std::size_t, uint32_t>> quotedLines(const LogSet& set,
                                                          const CrosscheckResult& result,
                                                          std::size_t l)
{
    std::vector<std::pair<std::size_t, uint32_t>> quoted;
    const LogInput& log = set.logs[l];
    for (std::size_t i = 0; i < log.qsos.size(); ++i) {
        const LineResult& line = result.lines[l][i];
        if (!isFinding(line.verdict)) {
            continue;
        }
        quoted.emplace_back(l, log.qsos[i].line);
        if (line.partnerQso >= 0) {
            const bool ownLine =
                line.verdict == Verdict::Dupe || line.verdict == Verdict::TooEarly;
            const std::size_t p = ownLine ? l : static_cast<std::size_t>(line.partnerLog);
            quoted.emplace_back(p, set.logs[p].qsos[static_cast<std::size_t>(line.partnerQso)].line);
        }
    }
    return quoted;
}

std::string ubnReport(const LogSet& set, const CrosscheckResult& result, std::size_t l,
                      const LineText& text)
{
    const LogInput& log = set.logs[l];
    const LogTotals& t = result.totals[l];
    std::string out = "Cross-check report for " + shownLine(log.call) + "\n";
    out += "File: " + shownLine(log.fileName) + "\n";
    out += "Clock offset: " +
           (result.clocksEstimated ? clockText(result.clocks[l]) : std::string("not estimated")) +
           "\n";
    out += "QSO lines: " + std::to_string(log.qsos.size()) +
           ", confirmed: " + std::to_string(t.confirmed) + "\n";
    out += "Findings:";
    bool any = false;
    for (int v = 0; v < VerdictCount; ++v) {
        if (t.counts[v] > 0 && static_cast<Verdict>(v) != Verdict::Ok) {
            out += std::string(any ? "," : "") + " " + verdictName(static_cast<Verdict>(v)) +
                   " " + std::to_string(t.counts[v]);
            any = true;
        }
    }
    out += any ? "\n" : " none\n";
    out += "Claimed score: " + (log.claimedGiven ? claimedText(log) : std::string("none")) +
           ", checked: " + std::to_string(t.checked) + ", penalty: " +
           std::to_string(t.penalty) + ", final: " + std::to_string(t.final()) + "\n";
    for (std::size_t i = 0; i < log.qsos.size(); ++i) {
        const LineResult& line = result.lines[l][i];
        if (!isFinding(line.verdict)) {
            continue;
        }
        out += "\nLine " + std::to_string(log.qsos[i].line) + ": " + verdictName(line.verdict);
        if (line.verdict == Verdict::BustedCall && line.partnerCall != NoName) {
            out += " (the station worked: " +
                   shownLine(std::string(set.names.text(line.partnerCall))) + ")";
        }
        out += "\n  " + shownLine(text(l, log.qsos[i].line)) + "\n";
        if (line.partnerQso < 0) {
            continue;
        }
        const bool ownLine = line.verdict == Verdict::Dupe || line.verdict == Verdict::TooEarly;
        const std::size_t p = ownLine ? l : static_cast<std::size_t>(line.partnerLog);
        const LogInput& partner = set.logs[p];
        const QsoInput& q = partner.qsos[static_cast<std::size_t>(line.partnerQso)];
        out += std::string(ownLine ? "  earlier, " : "  their line, ") +
               shownLine(partner.fileName) + " line " + std::to_string(q.line) + ":\n  " +
               shownLine(text(p, q.line)) + "\n";
    }
    return out;
}

std::string ubnFileName(const std::string& call)
{
    return "ubn/" + outputFileBase(call) + ".txt";
}
