// Output texts: plain text and CSV, composed whole in memory, written by the caller.
#include "crosscheck_output/crosscheck_reports.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "cabrillo/file_base.h"

namespace {

// A CSV field: quoted when it holds a comma, a quote or a line break.
std::string csv(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
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
                if (call.find_first_of(",\"\r\n") == std::string_view::npos) {
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

std::string resultsText(const LogSet& set, const CrosscheckResult& result,
                        const std::vector<std::string>& notes)
{
    std::string out = "Cross-check results\n";
    const std::string heading =
        padded("Call", 13) + padded("Claimed", 9, true) + padded("Lines", 7, true) +
        padded("Conf", 7, true) + padded("Dupe", 6, true) + padded("Early", 6, true) +
        padded("Bust", 6, true) + padded("NIL", 6, true) + padded("BExch", 6, true) +
        padded("Uniq", 6, true) + padded("NoLog", 6, true) + padded("Clock", 7, true) +
        padded("Checked", 9, true) + padded("Penalty", 9, true) + padded("Final", 9, true) +
        "\n";
    std::string category = "\x01";
    for (std::size_t l : logsByStanding(set, result)) {
        const LogInput& log = set.logs[l];
        if (log.categories != category) {
            category = log.categories;
            out += "\n" + (category.empty() ? std::string("(no category)") : category) + "\n" +
                   heading;
        }
        const LogTotals& t = result.totals[l];
        auto count = [&](Verdict v) {
            return padded(std::to_string(t.counts[static_cast<int>(v)]), 6, true);
        };
        const ClockEstimate& clock = result.clocks[l];
        out += padded(log.call, 13) + padded(claimedText(log), 9, true) +
               padded(std::to_string(log.qsos.size()), 7, true) +
               padded(std::to_string(t.confirmed), 7, true) + count(Verdict::Dupe) +
               count(Verdict::TooEarly) + count(Verdict::BustedCall) + count(Verdict::NotInLog) +
               count(Verdict::BustedExchange) + count(Verdict::Unique) + count(Verdict::NoLog) +
               padded(signedMinutes(clock.offset) + (clock.reliable ? "" : "?"), 7, true) +
               padded(std::to_string(t.checked), 9, true) +
               padded(std::to_string(t.penalty), 9, true) +
               padded(std::to_string(t.final()), 9, true) + "\n";
    }
    if (!notes.empty()) {
        out += "\nNotes\n";
        for (const std::string& note : notes) {
            out += "  " + note + "\n";
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
    std::string out = "Cross-check report for " + log.call + "\n";
    out += "File: " + log.fileName + "\n";
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
            out += " (the station worked: " + std::string(set.names.text(line.partnerCall)) + ")";
        }
        out += "\n  " + text(l, log.qsos[i].line) + "\n";
        if (line.partnerQso < 0) {
            continue;
        }
        const bool ownLine = line.verdict == Verdict::Dupe || line.verdict == Verdict::TooEarly;
        const std::size_t p = ownLine ? l : static_cast<std::size_t>(line.partnerLog);
        const LogInput& partner = set.logs[p];
        const QsoInput& q = partner.qsos[static_cast<std::size_t>(line.partnerQso)];
        out += std::string(ownLine ? "  earlier, " : "  their line, ") + partner.fileName +
               " line " + std::to_string(q.line) + ":\n  " + text(p, q.line) + "\n";
    }
    return out;
}

std::string ubnFileName(const std::string& call)
{
    return "ubn/" + cabrilloFileBase(call) + ".txt";
}
