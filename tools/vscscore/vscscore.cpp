// vscscore: stands in for the host. Loads the Stats plug-in, reads an ADIF log and drives the
// entry points as the host does, to score, export, check or audit the log; lints Cabrillo files.
#include <cstdio>
#include <getopt.h>
#include <string>
#include <vector>

#include "cabrillo/file_base.h"
#include "cabrillo/qso_line.h"
#include "cabrillo_check.h"
#include "claimed_setting.h"
#include "console_text.h"
#include "counted_text.h"
#include "empty_log_guard.h"
#include "exit_status.h"
#include "file_bytes.h"
#include "file_identity.h"
#include "kept_copy.h"
#include "host_calls.h"
#include "log_audit.h"
#include "lint_command.h"
#include "log_file.h"
#include "operator_stand_in.h"
#include "plugin/version.h"
#include "plugin_search.h"
#include "report_command.h"
#include "shown_text.h"
#include "utf8_files.h"

namespace {

const char Help[] =
    "vscscore - score a VESTAR CUP (VSC) log with the Stats plug-in, as the logger Ravo does\n"
    "\n"
    "Usage:\n"
    "  vscscore [OPTIONS] score LOG.adi\n"
    "      Feeds every contact of the log to the plug-in and prints its score summary.\n"
    "  vscscore [OPTIONS] export LOG.adi\n"
    "      The same, asking the plug-in for its Cabrillo file too: CALL.cbr in this folder,\n"
    "      named after your callsign as the plug-in names it (\"/\" becomes \"_\"). When the\n"
    "      plug-in reports the file produced, reads it back, checks that it holds every\n"
    "      contact once, field for field, and lints it (see lint). An earlier file that\n"
    "      differs is kept as CALL.cbr~; a symbolic link there is refused.\n"
    "  vscscore [OPTIONS] check LOG.adi CALL BAND MODE\n"
    "      Asks the plug-in whether CALL may be worked now on BAND (40 or 40m) in MODE (CW,\n"
    "      SSB) after the contacts of the log, and prints its answer and warning.\n"
    "  vscscore [OPTIONS] audit LOG.adi\n"
    "      Replays the log in time order under the contest's repeat rule and lists every\n"
    "      exact repeat and every contact made too early on another band or mode.\n"
    "  vscscore [--date YYYY-MM-DD [--hours N]] lint FILE.cbr\n"
    "      Checks a Cabrillo 3.0 file, from this plug-in or any logger, as a contest\n"
    "      sponsor's robot would: its tags and header values, its QSO lines, and the\n"
    "      contest's repeat rule; with --date, contacts outside the contest period. Each\n"
    "      finding has its line and is an error (the robot rejects the log) or a warning.\n"
    "  vscscore [OPTIONS] report [--off-time MIN] [--html FILE] LOG.adi\n"
    "      The contest at a glance: the rate sheet (QSOs/points per UTC clock hour and band),\n"
    "      the best 10- and 60-minute rates, operating time and off periods, band changes,\n"
    "      points per band, and the audit's counts with the points they would cost. With\n"
    "      --html, also a page with the same tables and charts, readable in any browser.\n"
    "      --off-time MIN: the shortest gap with no contact that counts as off time, in\n"
    "      calendar minutes (default 30; a contact at 1000 and the next at 1031 leave 30).\n"
    "\n"
    "LOG.adi is the ADIF file (.adi) your logger exports. Calls are read in upper case;\n"
    "USB and LSB count as SSB; a contact with BAND and no FREQ is put at the band's lower\n"
    "edge. Every repair, every record skipped and every contact that may not score or\n"
    "read back as meant (an exchange that is no plain integer, a missing RST_SENT,\n"
    "RST_RCVD, STX_STRING or SRX_STRING, a band outside 160-10 m) is named with its record.\n"
    "\n"
    "Options:\n"
    "  --call CALL        your callsign (default: STATION_CALLSIGN, else OPERATOR, in the log)\n"
    "  --date YYYY-MM-DD  the contest date in the summary (default: the first contact's date);\n"
    "                     for lint and export, the contest starts on it at 0000 UTC\n"
    "  --hours N          for lint and export: the contest lasts N hours (default 24)\n"
    "  --library PATH     the plug-in to load (default: the one beside this program's real\n"
    "                     file, else in ../lib/vscscore/ from there)\n"
    "  -h, --help         this text\n"
    "  --version          prints the version (given alone)\n"
    "\n"
    "The plug-in keeps its settings in Plugins/VESTAR.ini under the current folder, when\n"
    "there is a Plugins folder.\n"
    "\n"
    "Exit status:\n"
    "  0  all well: the check accepted the contact, the audit found nothing, the exported\n"
    "     or linted file has no finding\n"
    "  1  findings, warnings only: the check refused the contact, the audit found repeats or\n"
    "     contacts made too early, lint or the export's read-back found warnings; or\n"
    "     records of the log were skipped, repaired or warned about\n"
    "  2  a usage error\n"
    "  3  the log or the Cabrillo file could not be read: missing, not an ADIF file, no\n"
    "     contact readable, or no contacts (without --date; with it, a log with no contacts\n"
    "     still replaces no Cabrillo file with QSO lines and no claimed score but 0)\n"
    "  4  the plug-in could not be loaded\n"
    "  5  errors: lint found errors (a sponsor's robot rejects the log), the plug-in did not\n"
    "     produce the Cabrillo file, or the file failed its read-back (a contact missing,\n"
    "     twice, or changed)\n"
    "Skipped, repaired and warned records are named and counted on standard error.\n";

const char Program[] = "vscscore";

struct Options {
    std::string command;
    std::vector<std::string> operands;  // the log first
    std::string call;
    bool callGiven = false;
    std::string date;
    std::string hours;
    std::string library;
    bool help = false;
    std::string offTime;  // report only
    std::string html;     // report only
};

void say(const std::string& line)
{
    std::fprintf(stderr, "%s: %s\n", Program, shownText(line).c_str());
}

int usageError(const std::string& reason)
{
    say(reason);
    std::fprintf(stderr, "Try '%s --help'.\n", Program);
    return UsageError;
}

// The valued options' codes, above any character so a missing value names its option; in the
// order of their fields in parseArguments.
enum OptionCode { CallOption = 256, DateOption, HoursOption, LibraryOption, OffTimeOption,
                  HtmlOption };

std::string parseArguments(int argc, char** argv, Options& options)
{
    const option Long[] = {{"call", required_argument, nullptr, CallOption},
                           {"date", required_argument, nullptr, DateOption},
                           {"hours", required_argument, nullptr, HoursOption},
                           {"library", required_argument, nullptr, LibraryOption},
                           {"off-time", required_argument, nullptr, OffTimeOption},
                           {"html", required_argument, nullptr, HtmlOption},
                           {"help", no_argument, nullptr, 'h'},
                           {nullptr, 0, nullptr, 0}};
    // "-": operands come back in order as code 1, so options may stand anywhere whatever
    // POSIXLY_CORRECT says, with glibc's and MinGW-w64's getopt alike. ":": a missing value
    // is told apart from an unknown option. The messages are ours.
    std::string* const Values[] = {&options.call,    &options.date,    &options.hours,
                                   &options.library, &options.offTime, &options.html};
    opterr = 0;
    int code = 0;
    int at = optind;  // the element getopt_long reads next: -h is the only letter
    int index = -1;
    while ((code = getopt_long(argc, argv, "-:h", Long, &index)) != -1) {
        const std::string element = argv[at];
        at = optind;
        // Only whole names: getopt_long would take "--cal" for --call.
        if (index >= 0 && element.substr(2, element.find('=') - 2) != Long[index].name) {
            return "unknown option " + element;
        }
        index = -1;
        if (code == 'h') {
            options.help = true;
            return std::string();
        }
        if (code == 1) {
            if (options.command.empty()) {
                options.command = optarg;
            } else {
                options.operands.push_back(optarg);
            }
            continue;
        }
        if (code == ':') {
            for (const option& known : Long) {
                if (known.name != nullptr && known.val == optopt) {
                    return std::string("--") + known.name + " needs a value";
                }
            }
        }
        if (code < CallOption || code > HtmlOption) {
            return "unknown option " + element;
        }
        *Values[code - CallOption] = optarg;
        options.callGiven = options.callGiven || code == CallOption;
    }
    // What follows "--" is operands only.
    for (int i = optind; i < argc; ++i) {
        if (options.command.empty()) {
            options.command = argv[i];
        } else {
            options.operands.push_back(argv[i]);
        }
    }
    if (options.command.empty()) {
        return "no command given";
    }
    const bool isCheck = options.command == "check";
    if (!isCheck && options.command != "score" && options.command != "export" &&
        options.command != "audit" && options.command != "lint" &&
        options.command != "report") {
        return "unknown command " + options.command;
    }
    if (options.command != "report" && (!options.offTime.empty() || !options.html.empty())) {
        return "--off-time and --html are for report only";
    }
    unsigned offTime = 0;
    if (!options.offTime.empty() && !parseOffTime(options.offTime, offTime)) {
        return "--off-time wants whole minutes, 1 or more, not " + options.offTime;
    }
    const std::size_t wanted = isCheck ? 4 : 1;
    if (options.operands.size() != wanted) {
        return options.command + " takes " +
               (isCheck                        ? std::string("LOG.adi CALL BAND MODE")
                : options.command == "lint" ? std::string("FILE.cbr")
                                               : std::string("LOG.adi"));
    }
    return std::string();
}

// YYYY-MM-DD or YYYYMMDD.
bool parseDate(std::string text, DateRecord& date)
{
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        text = text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2);
    }
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    DateTimeParts parts;
    parts.year = std::stoi(text.substr(0, 4));
    parts.month = std::stoi(text.substr(4, 2));
    parts.day = std::stoi(text.substr(6, 2));
    double value = 0.0;
    DateTimeParts check;
    if (!makeOleDate(parts, value) || !breakDownOleDate(value, check) ||
        check.month != parts.month || check.day != parts.day) {
        return false;
    }
    date = DateRecord::make(value);
    return true;
}

// The contest period of --date and --hours; empty, or why --hours cannot be taken.
std::string contestPeriod(const Options& options, const DateRecord& date, ContestPeriod& period)
{
    if (!options.hours.empty()) {
        const std::string& hours = options.hours;
        if (options.date.empty()) {
            return "--hours needs --date, the day the contest starts";
        }
        if (hours.size() > 4 || hours.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(hours) < 1 || std::stoi(hours) > 1000) {
            return "--hours wants a number of hours from 1 to 1000, not " + hours;
        }
        period.hours = static_cast<unsigned>(std::stoi(hours));
    }
    if (!options.date.empty()) {
        period.given = breakDownOleDate(date.value(), period.start);
    }
    return std::string();
}

// The text with CR LF line ends, one terminal line each.
void printLines(const std::string& text)
{
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find("\r\n", start);
        std::printf("%s\n", shownText(text.substr(start, end - start)).c_str());
        if (end == std::string::npos) {
            return;
        }
        start = end + 2;
    }
}

std::string hostDateText(const DateRecord& date, const char* pattern)
{
    return formatDateRecord(date, pattern);
}

class Driver {
public:
    Driver(const Options& options, const LoadedLog& log, const DateRecord& title)
        : options_(options), log_(log), title_(title), callsign_(hostCallsign(options.call))
    {
    }

    int run()
    {
        if (options_.command == "audit") {
            return audit();
        }
        if (options_.command == "report") {
            return report();
        }
        StatsPlugin plugin;
        std::string error;
        if (!findStatsPlugin(options_.library, plugin, error)) {
            say(error);
            return NoPlugin;
        }
        plugin_ = &plugin;
        int status = Clean;
        if (options_.command == "score") {
            status = score();
        } else if (options_.command == "export") {
            status = exportLog();
        } else {
            status = check();
        }
        unloadStatsPlugin(plugin);
        return status;
    }

private:
    void feedLog(int exportCabrillo)
    {
        asOperator([this, exportCabrillo] {
            hostResetStats(*plugin_, exportCabrillo, call(), title_);
        });
        for (const LogContact& contact : log_.contacts) {
            hostAddData(*plugin_, contact.host);
        }
    }

    const std::string& call() const
    {
        return options_.callGiven ? callsign_ : log_.stationCall;
    }

    // The result request; returns what the plug-in reported to the operator.
    std::string requestResult(int& score)
    {
        std::string summary;
        const std::string report =
            asOperator([this, &score, &summary] { summary = plugin_->GetResult0(&score); });
        printLines(summary);
        return report;
    }

    void warnUnlessClaimedSaved(const std::string& claimed)
    {
        if (!claimedScoreSaved(claimed)) {
            say("the claimed score " + claimed + " was not saved in Plugins/VESTAR.ini");
        }
    }

    // Nothing with contacts is replaced by the summary or file of a log with none.
    bool emptyLogRefused(const std::string& cabrilloName)
    {
        const std::string reason =
            log_.contacts.empty() ? emptyLogWouldReplace(cabrilloName) : std::string();
        if (!reason.empty()) {
            say(reason + "; nothing done");
        }
        return !reason.empty();
    }

    int score()
    {
        if (emptyLogRefused(std::string())) {
            return BadLog;
        }
        feedLog(0);
        int score = 0;
        requestResult(score);
        warnUnlessClaimedSaved(std::to_string(score));
        return Clean;
    }

    // The plug-in alone writes the file; whether it did is its own report's to say, and
    // whether the file there is new, the file's identity's.
    int exportLog()
    {
        const std::string name = cabrilloFileBase(call()) + ".cbr";
        if (emptyLogRefused(name)) {
            return BadLog;
        }
        if (isSymbolicLinkUtf8(name)) {
            say(name + " is a symbolic link, which the plug-in would replace with a plain file; "
                       "nothing exported (export in the folder of the file it names)");
            return Errors;
        }
        KeptCopy kept;
        std::string reason;
        if (!kept.keep(name, reason)) {
            say("cannot keep the earlier " + name + " as " + name + "~: " + reason +
                "; nothing exported");
            return Errors;
        }
        const FileIdentity before = fileIdentity(name);
        feedLog(1);
        int score = 0;
        const std::string report = requestResult(score);
        const FileIdentity after = fileIdentity(name);
        const std::string keptNote = kept.settle();
        if (!keptNote.empty()) {
            say(keptNote);
        }
        if (report.find("File not produced: " + name) != std::string::npos) {
            say("the plug-in could not write " + name +
                (before.exists ? "; the earlier " + name + " is left as it was" : std::string()));
            return Errors;
        }
        const bool written = after.exists && after != before;
        if (report.empty()) {
            // No message box seen: Windows with no display shows none. The file tells.
            say("the plug-in's report was not seen (no display for its message box?); " + name +
                (written ? " was written all the same, and is read back"
                         : " was not written"));
            if (!written) {
                return Errors;
            }
        } else if (report.find("File produced: " + name) == std::string::npos) {
            say("the plug-in reported no " + name + "; it reported: " +
                report.substr(0, report.find('\n')));
            return Errors;
        }
        if (!written) {
            say("the plug-in reported " + name + " produced, but " +
                (after.exists ? "the file there is the earlier one" : "there is none"));
            return Errors;
        }
        // Its store is not needed for the read-back; it would only double the peak.
        unloadStatsPlugin(*plugin_);
        return checkCabrillo(name);
    }

    int check()
    {
        feedLog(0);
        const std::string call = hostCallsign(options_.operands[1]);
        const std::string& typed = options_.operands[2];
        const std::string mode = hostMode(options_.operands[3], std::string());
        if (call.empty()) {
            return usageError("check wants a callsign to check, not an empty text");
        }
        // The modes the plug-in's own mode map knows; any other it writes as none.
        if (cabrilloMode(mode) == "PM") {
            return usageError("unknown mode " + options_.operands[3] +
                              "; CW or SSB (USB and LSB count as SSB)");
        }
        std::string band = hostBand(typed);
        if (band.empty()) {
            band = hostBand(typed + "m");
        }
        if (band.empty()) {
            return usageError("unknown band " + typed);
        }
        char warning[WarningBufferSize] = {};
        const int accepted = hostCheckCall(*plugin_, call, mode, band, warning);
        std::string line = call + " " + band + " " + mode + ": " +
                           (accepted != 0 ? "accepted" : "refused");
        if (warning[0] != '\0') {
            line += ": " + cp1251ToUtf8(warning);
        }
        std::printf("%s\n", shownText(line).c_str());
        return accepted != 0 ? Clean : Found;
    }

    // The QSO line the contact should have.
    CabrilloQso expectedQso(const LogContact& contact, const std::string& ownCall) const
    {
        const HostContact& c = contact.host;
        CabrilloQso qso;
        qso.line = contact.record;
        qso.frequencyKHz = std::to_string(c.frequencyHz / 1000);
        qso.mode = cabrilloMode(c.mode);
        qso.date = hostDateText(c.time, "%Y-%m-%d");
        qso.time = hostDateText(c.time, "%H%M");
        qso.ownCall = ownCall;
        qso.rstSent = c.rstSent;
        qso.exchSent = c.exchSent;
        qso.call = c.call;
        qso.rstRcvd = c.rstRcvd;
        qso.exchRcvd = c.exchRcvd;
        qso.band = c.band;
        qso.loggedMode = c.mode;
        return qso;
    }

    int checkCabrillo(const std::string& name)
    {
        std::string bytes;
        std::string error;
        if (!readFileBytes(name, bytes, error)) {
            say(error + "; the file was not read back");
            return Errors;
        }

        ContestPeriod period;
        contestPeriod(options_, title_, period);
        const LintReport lint = lintCabrillo(bytes, period);
        CabrilloFile cabrillo = readCabrillo(bytes);
        bytes = std::string();
        // The operator may change the callsign in the header form; the lines follow it.
        const std::string* own = cabrilloHeader(cabrillo, "CALLSIGN");
        std::vector<std::string> problems = cabrillo.problems;
        const std::string ownCall = own != nullptr ? *own : call();
        const auto expectedAt = [this, &ownCall](std::size_t i) {
            return expectedQso(log_.contacts[i], ownCall);
        };
        for (const std::string& problem :
             compareQsos(cabrillo, log_.contacts.size(), expectedAt)) {
            problems.push_back(problem);
        }
        if (!lint.unreadable.empty()) {
            problems.push_back(lint.unreadable);
        }
        if (log_.contacts.size() + log_.skipped < log_.recordEnds) {
            problems.push_back("the log has " + counted(log_.recordEnds, "record") + " (<EOR>), " +
                               std::to_string(log_.contacts.size()) + " read and " +
                               std::to_string(log_.skipped) + " skipped: " +
                               counted(log_.recordEnds - log_.contacts.size() - log_.skipped,
                                       "record") +
                               " unaccounted for");
        }
        for (const std::string& problem : problems) {
            std::printf("%s: %s\n", name.c_str(), shownText(problem).c_str());
        }
        printLintFindings(name, lint);
        // What only the log knows: which records the host gave a mode that is none, which
        // contacts ended up outside their band.
        const std::vector<std::string> warnings = logWarnings(cabrillo);
        for (const std::string& warning : warnings) {
            std::printf("%s: warning: %s\n", name.c_str(), shownText(warning).c_str());
        }
        const std::string* claimed = cabrilloHeader(cabrillo, "CLAIMED-SCORE");
        if (claimed != nullptr) {
            warnUnlessClaimedSaved(*claimed);
        }
        const std::string counts = lintCounts(lint) +
                                   (warnings.empty() ? std::string()
                                                     : ", " + counted(warnings.size(),
                                                                      "warning") +
                                                           " from the log");
        if (problems.empty()) {
            std::printf("%s: %s: every contact once, field for field; %s\n", name.c_str(),
                        counted(cabrillo.qsos.size(), "QSO line").c_str(), counts.c_str());
            const int status = lintStatus(lint);
            return status == Clean && !warnings.empty() ? Found : status;
        }
        std::printf("%s: %s, %s\n", name.c_str(), counted(problems.size(), "problem").c_str(),
                    counts.c_str());
        return Errors;
    }

    std::string describe(const LogContact& contact) const
    {
        return hostDateText(contact.host.time, "%Y-%m-%d %H%M") + " " + contact.host.call +
               " " + contact.host.band + " " + contact.host.mode;
    }

    int audit()
    {
        const std::vector<AuditFinding> findings = auditLog(log_.contacts);
        std::size_t repeats = 0;
        std::size_t early = 0;
        for (const AuditFinding& finding : findings) {
            const LogContact& contact = log_.contacts[finding.contact];
            const LogContact& earlier = log_.contacts[finding.earlier];
            std::string line = "record " + std::to_string(contact.record) + " " +
                               describe(contact) + ": ";
            if (finding.tooEarly) {
                ++early;
                line += "too early after record " + std::to_string(earlier.record) + " " +
                        describe(earlier) + ", " + waitText(finding.minutesToWait);
            } else {
                ++repeats;
                line += "exact repeat of record " + std::to_string(earlier.record) + " " +
                        describe(earlier);
            }
            std::printf("%s\n", shownText(line).c_str());
        }
        std::printf("audit: %s, %s, %s too early\n",
                    counted(log_.contacts.size(), "contact").c_str(),
                    counted(repeats, "exact repeat").c_str(), std::to_string(early).c_str());
        return findings.empty() ? Clean : Found;
    }

    int report()
    {
        ReportRequest request;
        request.heading.station = call();
        request.heading.contestDate = hostDateText(title_, "%Y-%m-%d");
        request.pagePath = options_.html;
        request.logPath = options_.operands[0];
        if (!options_.offTime.empty()) {
            parseOffTime(options_.offTime, request.offTimeMinutes);
        }
        std::string error;
        if (!runReport(log_, request, error)) {
            say(error);
            return Errors;
        }
        return Clean;
    }

    const Options& options_;
    const LoadedLog& log_;
    DateRecord title_;
    std::string callsign_;  // --call as the host hands it
    StatsPlugin* plugin_ = nullptr;
};

}  // namespace

int main(int argc, char** argv)
{
    setUpConsole();
    // getopt_long wants char**: the UTF-8 arguments, argv[argc] null as ever.
    std::vector<std::string> texts = utf8Arguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(&text[0]);
    }
    pointers.push_back(nullptr);
    argc = static_cast<int>(texts.size());
    argv = pointers.data();
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("%s %s\n", Program, STATS_RELEASE_TEXT);
        return Clean;
    }
    Options options;
    const std::string error = parseArguments(argc, argv, options);
    if (options.help) {
        std::fputs(Help, stdout);
        return Clean;
    }
    if (!error.empty()) {
        return usageError(error);
    }
    DateRecord title;
    if (!options.date.empty() && !parseDate(options.date, title)) {
        return usageError("--date wants YYYY-MM-DD, not " + options.date);
    }
    ContestPeriod period;
    const std::string periodError = contestPeriod(options, title, period);
    if (!periodError.empty()) {
        return usageError(periodError);
    }
    if (options.command == "lint") {
        return lintCommand(options.operands[0], period);
    }

    const std::string& path = options.operands[0];
    LoadedLog log;
    std::string readError;
    if (!loadLogFile(path, log, readError)) {
        say(readError);
        return BadLog;
    }
    for (const std::string& message : log.messages) {
        say(path + ": " + message);
    }
    for (const std::string& warning : log.warnings) {
        say(path + ": " + warning);
    }
    log.messages = std::vector<std::string>();
    log.warnings = std::vector<std::string>();
    if (log.contacts.empty() && log.skipped > 0) {
        say(path + ": no contact could be read, " + counted(log.skipped, "record") +
            " skipped; nothing is scored or written");
        return BadLog;
    }
    if (log.contacts.empty() && options.date.empty()) {
        say(path + ": no contacts; give --date to score an empty log");
        return BadLog;
    }
    if (options.date.empty() && !log.contacts.empty()) {
        DateTimeParts day = log.contacts.front().when;
        day.hour = day.minute = day.second = 0;
        double value = 0.0;
        makeOleDate(day, value);
        title = DateRecord::make(value);
    }
    if (!options.callGiven && log.stationCall.empty()) {
        say(path + ": no STATION_CALLSIGN or OPERATOR in the log; give --call");
    }
    say(path + ": " + counted(log.contacts.size(), "contact") + " read");

    const int status = Driver(options, log, title).run();
    std::vector<std::string> tally;
    if (log.skipped > 0) {
        tally.push_back(counted(log.skipped, "record") + " skipped");
    }
    if (log.repaired > 0) {
        tally.push_back(counted(log.repaired, "record") + " repaired");
    }
    if (log.warned > 0) {
        tally.push_back(counted(log.warned, "record") + " with warnings");
    }
    if (tally.empty()) {
        return status;
    }
    std::string line;
    for (const std::string& part : tally) {
        line += (line.empty() ? "" : ", ") + part;
    }
    say(path + ": " + line);
    return status == Clean ? Found : status;
}
