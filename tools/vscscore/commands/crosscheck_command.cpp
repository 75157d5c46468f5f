// vscscore crosscheck: the rules and period, the logs read and linted one by one, the engine,
// the outputs planned (none written when one is refused), then written.
#include "commands/crosscheck_command.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "cabrillo_input/utf16_text.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "cli/shown_text.h"
#include "crosscheck/crosscheck.h"
#include "crosscheck_input/log_input.h"
#include "crosscheck_input/log_intake.h"
#include "crosscheck_input/rules_file.h"
#include "crosscheck_output/crosscheck_reports.h"
#include "crosscheck_output/output_folder.h"
#include "crosscheck_output/quoted_lines.h"
#include "crosscheck_output/results_site.h"
#include "input/file_bytes.h"
#include "lint/lint_command.h"
#include "lint/lint_rules.h"
#include "platform/file_identity.h"
#include "platform/folder_access.h"

const char CrosscheckHelp[] =
    "vscscore crosscheck - the sponsor's cross-check of every entrant's Cabrillo log\n"
    "\n"
    "Usage:\n"
    "  vscscore crosscheck [--rules FILE] [--out DIR] [--date D [--hours H]] [--html]\n"
    "                     LOG.cbr... | FOLDER\n"
    "\n"
    "Reads every Cabrillo file given (or every file in FOLDER), lints each and goes on past\n"
    "a bad one, naming it; none over 64 MB is read. What FOLDER holds besides files (folders,\n"
    "FIFOs, links to a folder, to nothing or out of FOLDER) is skipped and named. Of two logs\n"
    "with the same CALLSIGN the later-modified counts; of two modified at the same time, the\n"
    "one with more QSO lines, then the one whose name sorts last.\n"
    "Matches each contact with the partner's line per band and mode, within the tolerance\n"
    "after each log's clock offset is estimated and corrected, and writes to DIR:\n"
    "  qsos.csv      one row per QSO line: log,line,verdict,partner,partner_line\n"
    "  results.csv   one row per log, by category and final score\n"
    "  results.txt   the same as a table\n"
    "  ubn/CALL.txt  each entrant's findings, with the partner's own line quoted\n"
    "  with --html, also a static site: index.html (the results by category, the contest's\n"
    "                figures) and log/CALL.html for each entrant, self-contained pages\n"
    "A line's verdict is the first that applies: invalid, out-of-period, dupe, too-early,\n"
    "busted-call, not-in-log, busted-exchange, unique, no-log, ok.\n"
    "\n"
    "Options:\n"
    "  --rules FILE   the contest's rules as an INI file (default: this contest's)\n"
    "  --out DIR      the output folder (default: crosscheck in the current folder); never\n"
    "                 one holding an input; a file there that crosscheck did not write is\n"
    "                 never replaced\n"
    "  --date D       the contest's start: YYYY-MM-DD (0000 UTC) or \"YYYY-MM-DD HH:MM\"\n"
    "  --hours H      its length in hours (default 24)\n"
    "  --html         also write the results site (index.html, log/CALL.html)\n"
    "  -h, --help     this text\n"
    "\n"
    "Exit status: 0 every line ok; 1 findings; 2 a usage error, a bad rules file or an output\n"
    "folder refused; 3 no log could be read; 5 a file could not be read or written, or lint\n"
    "found errors (the others are still checked and written).\n";

namespace {

// A note in results.txt, which names files as they were given, said on standard error with
// their paths; either on one line whatever the names hold.
void note(std::vector<std::string>& notes, const std::string& said, const std::string& noted)
{
    notes.push_back(shownLine(noted));
    say(shownLine(said));
}

void note(std::vector<std::string>& notes, const std::string& text)
{
    note(notes, text, text);
}

ContestPeriod lintPeriod(const CrosscheckRules& rules)
{
    ContestPeriod period;
    period.given = rules.periodGiven;
    period.hours = rules.hours;
    if (rules.periodGiven) {
        breakDownOleDate(rules.startMinute / 1440.0, period.start);
    }
    return period;
}

struct Progress {
    bool shown = false;
    std::size_t files = 0;
    std::size_t total = 0;
    uint64_t lines = 0;
};

void showStage(const char* stage, uint64_t lines, void* context)
{
    auto* progress = static_cast<Progress*>(context);
    if (progress->shown) {
        std::fprintf(stderr, "\rcrosscheck: %zu files, %llu lines, %s...          ",
                     progress->files, static_cast<unsigned long long>(lines), stage);
        std::fflush(stderr);
    }
}

struct ReadCounts {
    std::size_t unreadable = 0;
    std::size_t lintErrors = 0;
    std::size_t lintWarnings = 0;
};

// Reads and lints each file into set, naming each that cannot be read and going on.
ReadCounts readLogs(const std::vector<std::string>& files, const CrosscheckRules& rules,
                    LogSet& set, std::vector<std::string>& notes, Progress& progress)
{
    CabrilloLogReader reader(rules, set.names);
    const ContestPeriod period = lintPeriod(rules);
    ReadCounts counts;
    for (const std::string& path : files) {
        ++progress.files;
        std::string bytes;
        std::string why;
        if (!readLogFile(path, bytes, why)) {
            note(notes, why, withGivenName(why, path));
            ++counts.unreadable;
            continue;
        }
        if (!decodeUtf16(bytes, why)) {
            why = path + ": not read: " + why;
            note(notes, why, withGivenName(why, path));
            ++counts.unreadable;
            continue;
        }
        const LintReport lint = lintCabrillo(bytes, period);
        LogInput log;
        if (lint.unreadable.empty() && !reader.read(bytes, log, why)) {
            why = path + ": not read: " + why;
        } else if (!lint.unreadable.empty()) {
            why = path + ": not read: " + lint.unreadable;
        } else {
            why.clear();
        }
        if (!why.empty()) {
            note(notes, why, withGivenName(why, path));
            ++counts.unreadable;
            continue;
        }
        if (lint.errors + lint.warnings > 0) {
            counts.lintErrors += lint.errors;
            counts.lintWarnings += lint.warnings;
            say(path + ": lint: " + lintCounts(lint) + " (vscscore lint " + path + ")");
        }
        log.fileName = path;
        log.modified = fileIdentity(path).modified;
        progress.lines += log.qsos.size();
        log.qsos.shrink_to_fit();
        log.fields.shrink_to_fit();
        set.logs.push_back(std::move(log));
        if (progress.shown && (progress.files % 50 == 0 || progress.files == files.size())) {
            std::fprintf(stderr, "\rcrosscheck: read %zu of %zu files, %llu lines...",
                         progress.files, progress.total,
                         static_cast<unsigned long long>(progress.lines));
            std::fflush(stderr);
        }
    }
    return counts;
}

int usage(const std::string& reason)
{
    return usageError(reason, "crosscheck");
}

// The rules file, then --date and --hours over its period; false after saying why not.
bool readRules(const Options& options, CrosscheckRules& rules, int& status)
{
    status = UsageError;
    if (!options.rules.empty()) {
        const std::vector<std::string> errors = readRulesFile(options.rules, rules);
        for (const std::string& e : errors) {
            say(e);
        }
        if (!errors.empty()) {
            return false;
        }
    }
    if (!options.date.empty()) {
        if (!parseStart(options.date, rules.startMinute)) {
            status = usage("--date wants YYYY-MM-DD or \"YYYY-MM-DD HH:MM\", not " +
                           options.date);
            return false;
        }
        rules.periodGiven = true;
    }
    if (!options.hours.empty()) {
        if (!rules.periodGiven) {
            status = usage("--hours needs --date, or Start= in the rules file");
            return false;
        }
        if (!parseHours(options.hours, rules.hours)) {
            status = usage("--hours wants a number of hours from 1 to 1000, not " +
                           options.hours);
            return false;
        }
    }
    return true;
}

// The files to read and the output folder, opened; false after saying why not.
bool openFiles(const Options& options, std::vector<std::string>& files,
               std::vector<std::string>& skipped, OutputFolder& out, int& status)
{
    std::string problem;
    if (!inputFiles(options.operands, files, skipped, problem)) {
        say(problem);
        status = BadLog;
        return false;
    }
    problem = out.open(files);
    if (!problem.empty()) {
        status = usage(problem);
        return false;
    }
    return true;
}

// The logs another of the same CALLSIGN replaces, each noted; how many.
std::size_t noteSuperseded(const LogSet& set, const CrosscheckResult& result,
                           std::vector<std::string>& notes)
{
    std::size_t superseded = 0;
    for (std::size_t l = 0; l < set.logs.size(); ++l) {
        if (result.superseded[l] >= 0) {
            const LogInput& winner = set.logs[static_cast<std::size_t>(result.superseded[l])];
            const LogInput& loser = set.logs[l];
            const std::string why = " (" + loser.call + ") not counted: ";
            const std::string rest = " has the same CALLSIGN and " + supersededWhy(loser, winner);
            note(notes, loser.fileName + why + winner.fileName + rest,
                 givenName(loser.fileName) + why + givenName(winner.fileName) + rest);
            ++superseded;
        }
    }
    return superseded;
}

// What the run writes: its texts and, in order, every file name it will take in the folder.
struct OutputPlan {
    std::vector<std::pair<std::string, std::string>> texts;
    std::vector<std::string> pages;
    SiteContext site;
};

OutputPlan planOutputs(const LogSet& set, const CrosscheckResult& result,
                       const CrosscheckRules& rules, const std::vector<std::size_t>& order,
                       const std::vector<std::string>& notes, bool site)
{
    OutputPlan plan;
    plan.texts.emplace_back("qsos.csv", qsosCsv(set, result));
    plan.texts.emplace_back("results.csv", resultsCsv(set, result));
    plan.texts.emplace_back("results.txt", resultsText(set, result, rules, notes));
    if (site) {
        plan.site = siteContext(set, result);
        plan.pages.push_back("index.html");
        for (std::size_t p = 0; p < plan.site.resultPages; ++p) {
            plan.pages.push_back(resultPageName(p));
        }
    }
    for (std::size_t l : order) {
        plan.pages.push_back(ubnFileName(set.logs[l].call));
        if (site) {
            plan.pages.push_back(entrantPageName(set.logs[l].call));
        }
    }
    return plan;
}

// Whether the folder refuses any file of the plan, each refusal said.
bool refused(const OutputFolder& out, const OutputPlan& plan)
{
    bool any = false;
    const auto check = [&](const std::string& name) {
        const std::string reason = out.refusal(name);
        any = any || !reason.empty();
        if (!reason.empty()) {
            say(reason);
        }
    };
    for (const auto& text : plan.texts) {
        check(text.first);
    }
    for (const std::string& page : plan.pages) {
        check(page);
    }
    return any;
}

// The contest as the engine judged it, with what the outputs need beside it.
struct Checked {
    const LogSet& set;
    const CrosscheckResult& result;
    const CrosscheckRules& rules;
    const std::vector<std::size_t>& order;
    const QuotedLines& quoted;
};

// Writes the plan's files, then closes the folder. A file that cannot be written is named and
// the others still are: the list of what was written stays true, and the next run into the
// folder goes on. How many could not be written; the folder's own failure in problem.
std::size_t writeOutputs(OutputFolder& out, OutputPlan& plan, const Checked& run, bool site,
                         std::string& problem)
{
    std::size_t unwritten = 0;
    const auto write = [&](const std::string& name, const std::string& bytes) {
        const std::string why = out.write(name, bytes);
        if (!why.empty()) {
            say(why);
            ++unwritten;
        }
    };
    for (const auto& text : plan.texts) {
        write(text.first, text.second);
    }
    const LineText text = [&](std::size_t log, uint32_t line) {
        return run.quoted.text(log, line);
    };
    if (site) {
        write("index.html", siteIndex(run.set, run.result, run.rules, plan.site));
        for (std::size_t p = 0; p < plan.site.resultPages; ++p) {
            write(resultPageName(p), resultPage(run.set, run.result, plan.site, p));
        }
    }
    for (std::size_t l : run.order) {
        const std::string& call = run.set.logs[l].call;
        write(ubnFileName(call), ubnReport(run.set, run.result, l, text));
        if (site) {
            write(entrantPageName(call),
                  entrantPage(run.set, run.result, run.rules, plan.site, l, text));
        }
    }
    problem = out.close();
    return unwritten;
}

// "crosscheck: 3 logs, 120 QSO lines: ok 100, ..."; whether any line has a finding.
bool printSummary(const CrosscheckResult& result, const std::vector<std::size_t>& order,
                  const std::string& folder)
{
    uint64_t counts[VerdictCount] = {};
    for (std::size_t l : order) {
        for (int v = 0; v < VerdictCount; ++v) {
            counts[v] += result.totals[l].counts[v];
        }
    }
    uint64_t lines = 0;
    uint64_t findings = 0;
    std::string summary;
    for (int v = 0; v < VerdictCount; ++v) {
        lines += counts[v];
        findings += static_cast<Verdict>(v) == Verdict::Ok ? 0 : counts[v];
        summary += std::string(v == 0 ? "" : ", ") + verdictName(static_cast<Verdict>(v)) + " " +
                   std::to_string(counts[v]);
    }
    std::printf("crosscheck: %zu logs, %llu QSO lines: %s\n", order.size(),
                static_cast<unsigned long long>(lines), summary.c_str());
    std::printf("crosscheck: results in %s\n", folder.c_str());
    return findings > 0;
}

int crosscheckContest(const Options& options)
{
    CrosscheckRules rules;
    std::vector<std::string> files;
    std::vector<std::string> skipped;
    OutputFolder out(options.out);
    int status = Clean;
    if (!readRules(options, rules, status) || !openFiles(options, files, skipped, out, status)) {
        return status;
    }
    std::vector<std::string> notes;
    for (const std::string& entry : skipped) {
        note(notes, entry, withGivenName(entry, entry.substr(0, entry.rfind(": skipped: "))));
    }
    if (!rules.periodGiven) {
        note(notes, "no contest period given (--date, or Start= in the rules): "
                    "out-of-period not checked");
    }
    Progress progress;
    progress.shown = errorIsTerminal();
    progress.total = files.size();
    LogSet set;
    const ReadCounts read = readLogs(files, rules, set, notes, progress);
    if (set.logs.empty()) {
        say("no log could be read");
        return BadLog;
    }
    const CrosscheckResult result = crosscheck(set, rules, showStage, &progress);
    if (progress.shown) {
        std::fprintf(stderr, "\r%70s\r", "");
    }
    const std::size_t superseded = noteSuperseded(set, result, notes);
    const std::vector<std::size_t> order = logsByCall(set, result);
    QuotedLines quoted;
    std::vector<std::string> problems;
    quoted.fetch(set, result, order, problems);
    for (const std::string& p : problems) {
        std::string noted = p;
        for (const LogInput& log : set.logs) {
            noted = withGivenName(noted, log.fileName);
        }
        note(notes, p, noted);
    }
    OutputPlan plan = planOutputs(set, result, rules, order, notes, options.site);
    if (refused(out, plan)) {
        say("nothing written");
        return UsageError;
    }
    std::string problem = out.makeSubfolders(options.site);
    if (!problem.empty()) {
        say(problem);
        return Errors;
    }
    const std::size_t unwritten = writeOutputs(
        out, plan, Checked{set, result, rules, order, quoted}, options.site, problem);
    if (!problem.empty()) {
        say(problem);
        return Errors;
    }
    const bool findings = printSummary(result, order, options.out);
    if (read.unreadable > 0 || read.lintErrors > 0 || unwritten > 0) {
        return Errors;
    }
    return findings || superseded > 0 || read.lintWarnings > 0 ? Found : Clean;
}

}  // namespace

int crosscheckCommand(const CommandContext& context)
{
    // A contest too large for the memory at hand is reported, never a crash; nothing is then
    // written but what was complete.
    try {
        return crosscheckContest(context.options);
    } catch (const std::bad_alloc&) {
        say("not enough memory for a contest of this size");
        return Errors;
    }
}
