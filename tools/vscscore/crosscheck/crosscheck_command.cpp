// The crosscheck command: options, the logs read and linted one by one, the engine, the files.
#include "crosscheck_command.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "lint_rules.h"
#include "crosscheck.h"
#include "crosscheck_reports.h"
#include "exit_status.h"
#include "file_bytes.h"
#include "file_identity.h"
#include "folder_access.h"
#include "log_input.h"
#include "output_folder.h"
#include "quoted_lines.h"
#include "results_site.h"
#include "rules_file.h"
#include "utf16_text.h"

namespace {

const char Help[] =
    "vscscore crosscheck - the sponsor's cross-check of every entrant's Cabrillo log\n"
    "\n"
    "Usage:\n"
    "  vscscore crosscheck [--rules FILE] [--out DIR] [--date D [--hours H]] [--html]\n"
    "                     LOG.cbr... | FOLDER\n"
    "\n"
    "Reads every Cabrillo file given (or every file in FOLDER), lints each and goes on past\n"
    "a bad one, naming it. Of two logs with the same CALLSIGN the later-modified counts.\n"
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
    "folder refused; 3 no log could be read; 5 a file could not be read or lint found errors\n"
    "(the others are still checked).\n";

const char* const ValuedOptions[] = {"--call", "--date", "--hours", "--library", "--off-time",
                                     "--html", "--rules", "--out"};

struct Arguments {
    std::string rules;
    std::string out = "crosscheck";
    std::string date;
    std::string hours;
    bool help = false;
    bool html = false;
    std::vector<std::string> operands;
};

void say(const std::string& text)
{
    std::fprintf(stderr, "vscscore: %s\n", text.c_str());
}

int usage(const std::string& reason)
{
    say(reason);
    std::fprintf(stderr, "Try 'vscscore crosscheck --help'.\n");
    return UsageError;
}

bool valued(const std::string& element)
{
    for (const char* name : ValuedOptions) {
        if (element == name) {
            return true;
        }
    }
    return false;
}

std::string parse(int argc, char** argv, Arguments& args)
{
    bool commandSeen = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string element = argv[i];
        if (optionsEnded || element.empty() || element[0] != '-' || element == "-") {
            if (!commandSeen) {
                commandSeen = true;
            } else {
                args.operands.push_back(element);
            }
            continue;
        }
        if (element == "--") {
            optionsEnded = true;
            continue;
        }
        if (element == "-h" || element == "--help") {
            args.help = true;
            return std::string();
        }
        if (element == "--html") {
            args.html = true;
            continue;
        }
        const std::size_t equals = element.find('=');
        const std::string name = element.substr(0, equals);
        std::string* const target = name == "--rules" ? &args.rules
                                    : name == "--out" ? &args.out
                                    : name == "--date" ? &args.date
                                    : name == "--hours" ? &args.hours
                                                        : nullptr;
        if (target == nullptr) {
            return "unknown option for crosscheck: " + element;
        }
        if (equals != std::string::npos) {
            *target = element.substr(equals + 1);
        } else if (i + 1 < argc) {
            *target = argv[++i];
        } else {
            return name + " needs a value";
        }
    }
    if (args.operands.empty()) {
        return "crosscheck takes LOG.cbr... or FOLDER";
    }
    return std::string();
}

// The files to read: each operand, a folder standing for every file in it.
bool inputFiles(const std::vector<std::string>& operands, std::vector<std::string>& files,
                std::string& error)
{
    for (const std::string& operand : operands) {
        if (!isFolder(operand)) {
            files.push_back(operand);
            continue;
        }
        std::vector<std::string> names;
        if (!listFolder(operand, names, error)) {
            return false;
        }
        const bool separated = operand.back() == '/' || operand.back() == '\\';
        for (const std::string& name : names) {
            files.push_back(operand + (separated ? "" : "/") + name);
        }
    }
    return true;
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

}  // namespace

bool isCrosscheckCommand(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string element = argv[i];
        if (element == "--") {
            return i + 1 < argc && std::string(argv[i + 1]) == "crosscheck";
        }
        if (valued(element)) {
            ++i;
            continue;
        }
        if (!element.empty() && element[0] == '-') {
            continue;
        }
        return element == "crosscheck";
    }
    return false;
}

namespace {

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
        if (!readFileBytes(path, bytes, why)) {
            notes.push_back(why);
            say(why);
            ++counts.unreadable;
            continue;
        }
        if (!decodeUtf16(bytes, why)) {
            why = path + ": not read: " + why;
            notes.push_back(why);
            say(why);
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
            notes.push_back(why);
            say(why);
            ++counts.unreadable;
            continue;
        }
        if (lint.errors + lint.warnings > 0) {
            counts.lintErrors += lint.errors;
            counts.lintWarnings += lint.warnings;
            say(path + ": lint: " + std::to_string(lint.errors) + " errors, " +
                std::to_string(lint.warnings) + " warnings (vscscore lint " + path + ")");
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

int crosscheckContest(int argc, char** argv)
{
    Arguments args;
    const std::string error = parse(argc, argv, args);
    if (args.help) {
        std::fputs(Help, stdout);
        return Clean;
    }
    if (!error.empty()) {
        return usage(error);
    }
    CrosscheckRules rules;
    if (!args.rules.empty()) {
        const std::vector<std::string> errors = readRulesFile(args.rules, rules);
        for (const std::string& e : errors) {
            say(e);
        }
        if (!errors.empty()) {
            return UsageError;
        }
    }
    if (!args.date.empty()) {
        if (!parseStart(args.date, rules.startMinute)) {
            return usage("--date wants YYYY-MM-DD or \"YYYY-MM-DD HH:MM\", not " + args.date);
        }
        rules.periodGiven = true;
    }
    if (!args.hours.empty()) {
        if (!rules.periodGiven) {
            return usage("--hours needs --date, or Start= in the rules file");
        }
        if (args.hours.size() > 4 || args.hours.find_first_not_of("0123456789") !=
                                         std::string::npos ||
            std::stoi(args.hours) < 1 || std::stoi(args.hours) > 1000) {
            return usage("--hours wants a number of hours from 1 to 1000, not " + args.hours);
        }
        rules.hours = static_cast<unsigned>(std::stoi(args.hours));
    }
    std::vector<std::string> files;
    std::string problem;
    if (!inputFiles(args.operands, files, problem)) {
        say(problem);
        return BadLog;
    }
    OutputFolder out(args.out);
    problem = out.open(files);
    if (problem.empty() && args.html && !makeFolder(out.pathOf("log"), problem)) {
        say(problem);
        return Errors;
    }
    if (!problem.empty()) {
        return usage(problem);
    }
    std::vector<std::string> notes;
    if (!rules.periodGiven) {
        notes.push_back("no contest period given (--date, or Start= in the rules): "
                        "out-of-period not checked");
        say(notes.back());
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
    std::size_t superseded = 0;
    for (std::size_t l = 0; l < set.logs.size(); ++l) {
        if (result.superseded[l] >= 0) {
            const LogInput& winner = set.logs[static_cast<std::size_t>(result.superseded[l])];
            notes.push_back(set.logs[l].fileName + " (" + set.logs[l].call + ") not counted: " +
                            winner.fileName + " has the same CALLSIGN and was modified later");
            say(notes.back());
            ++superseded;
        }
    }

    const std::vector<std::size_t> order = logsByCall(set, result);
    QuotedLines quoted;
    std::vector<std::string> problems;
    quoted.fetch(set, result, order, problems);
    for (const std::string& p : problems) {
        notes.push_back(p);
        say(p);
    }
    std::vector<std::pair<std::string, std::string>> outputs;
    outputs.emplace_back("qsos.csv", qsosCsv(set, result));
    outputs.emplace_back("results.csv", resultsCsv(set, result));
    outputs.emplace_back("results.txt", resultsText(set, result, notes));
    bool refused = false;
    for (const auto& output : outputs) {
        const std::string reason = out.refusal(output.first);
        refused = refused || !reason.empty();
        if (!reason.empty()) {
            say(reason);
        }
    }
    std::vector<std::string> pages;
    SiteContext site;
    if (args.html) {
        site = siteContext(set, result);
        pages.push_back("index.html");
        for (std::size_t p = 0; p < site.resultPages; ++p) {
            pages.push_back(resultPageName(p));
        }
    }
    for (std::size_t l : order) {
        pages.push_back(ubnFileName(set.logs[l].call));
        if (args.html) {
            pages.push_back(entrantPageName(set.logs[l].call));
        }
    }
    for (const std::string& page : pages) {
        const std::string reason = out.refusal(page);
        refused = refused || !reason.empty();
        if (!reason.empty()) {
            say(reason);
        }
    }
    if (refused) {
        say("nothing written");
        return UsageError;
    }
    for (const auto& output : outputs) {
        problem = out.write(output.first, output.second);
        if (!problem.empty()) {
            say(problem);
            return Errors;
        }
    }
    const LineText text = [&](std::size_t log, uint32_t line) { return quoted.text(log, line); };
    uint64_t counts[VerdictCount] = {};
    if (args.html) {
        outputs.assign(1, {"index.html", siteIndex(set, result, rules, site)});
        for (std::size_t p = 0; p < site.resultPages; ++p) {
            outputs.emplace_back(resultPageName(p), resultPage(set, result, site, p));
        }
        for (const auto& output : outputs) {
            problem = out.write(output.first, output.second);
            if (!problem.empty()) {
                say(problem);
                return Errors;
            }
        }
    }
    for (std::size_t l : order) {
        problem = out.write(ubnFileName(set.logs[l].call), ubnReport(set, result, l, text));
        if (problem.empty() && args.html) {
            problem = out.write(entrantPageName(set.logs[l].call),
                                entrantPage(set, result, rules, site, l, text));
        }
        if (!problem.empty()) {
            say(problem);
            return Errors;
        }
        for (int v = 0; v < VerdictCount; ++v) {
            counts[v] += result.totals[l].counts[v];
        }
    }
    problem = out.close();
    if (!problem.empty()) {
        say(problem);
        return Errors;
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
    std::printf("crosscheck: results in %s\n", args.out.c_str());
    if (read.unreadable > 0 || read.lintErrors > 0) {
        return Errors;
    }
    return findings > 0 || superseded > 0 || read.lintWarnings > 0 ? Found : Clean;
}

}  // namespace

int crosscheckCommand(int argc, char** argv)
{
    // A contest too large for the memory at hand is reported, never a crash; nothing is then
    // written but what was complete.
    try {
        return crosscheckContest(argc, argv);
    } catch (const std::bad_alloc&) {
        say("not enough memory for a contest of this size");
        return Errors;
    }
}
