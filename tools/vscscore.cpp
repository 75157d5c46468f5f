// vscscore: stands in for the host. Loads the Stats plug-in, reads an ADIF log and drives the
// entry points as the host does, to score, export, check or audit the log.
#include <cstdio>
#include <string>
#include <vector>

#include "cabrillo_check.h"
#include "console_text.h"
#include "host_calls.h"
#include "log_audit.h"
#include "log_file.h"
#include "operator_stand_in.h"
#include "plugin_loader.h"
#include "plugin/version.h"

namespace {

enum ExitStatus { Clean = 0, Found = 1, UsageError = 2, BadLog = 3, NoPlugin = 4 };

const char Help[] =
    "vscscore - score a VESTAR CUP (VSC) log with the Stats plug-in, as the logger Ravo does\n"
    "\n"
    "Usage:\n"
    "  vscscore [OPTIONS] score LOG.adi\n"
    "      Feeds every contact of the log to the plug-in and prints its score summary.\n"
    "  vscscore [OPTIONS] export LOG.adi\n"
    "      The same, asking the plug-in for its Cabrillo file too: CALL.cbr in this folder,\n"
    "      named after your callsign (\"/\" becomes \"_\"). Then reads the file back, checks\n"
    "      that it holds every contact once, field for field, and warns about what a contest\n"
    "      sponsor's log checker would flag.\n"
    "  vscscore [OPTIONS] check LOG.adi CALL BAND MODE\n"
    "      Asks the plug-in whether CALL may be worked now on BAND (40 or 40m) in MODE (CW,\n"
    "      SSB) after the contacts of the log, and prints its answer and warning.\n"
    "  vscscore [OPTIONS] audit LOG.adi\n"
    "      Replays the log in time order under the contest's repeat rule and lists every\n"
    "      exact repeat and every contact made too early on another band or mode.\n"
    "\n"
    "LOG.adi is the ADIF file (.adi) your logger exports.\n"
    "\n"
    "Options:\n"
    "  --call CALL        your callsign (default: STATION_CALLSIGN, else OPERATOR, in the log)\n"
    "  --date YYYY-MM-DD  the contest date in the summary (default: the first contact's date)\n"
    "  --library FILE     the plug-in to load (default: the one beside this program)\n"
    "  -h, --help         this text\n"
    "  --version          prints the version (given alone)\n"
    "\n"
    "The plug-in keeps its settings in Plugins/VESTAR.ini under the current folder, when\n"
    "there is a Plugins folder.\n"
    "\n"
    "Exit status: 0 all well; 1 the audit found repeats, the check refused the contact, or\n"
    "the Cabrillo file failed its check; 2 a usage error; 3 the log could not be read, or\n"
    "records of it were skipped; 4 the plug-in could not be loaded.\n";

const char Program[] = "vscscore";

struct Options {
    std::string command;
    std::vector<std::string> operands;  // the log first
    std::string call;
    bool callGiven = false;
    std::string date;
    std::string library;
    bool help = false;
};

void say(const std::string& line)
{
    std::fprintf(stderr, "%s: %s\n", Program, line.c_str());
}

int usageError(const std::string& reason)
{
    say(reason);
    std::fprintf(stderr, "Try '%s --help'.\n", Program);
    return UsageError;
}

// Reads "--name value" and "--name=value"; false when the value is missing.
bool optionValue(const std::string& name, int argc, char** argv, int& i, std::string& value)
{
    const std::string argument = argv[i];
    if (argument.compare(0, name.size() + 1, name + "=") == 0) {
        value = argument.substr(name.size() + 1);
        return true;
    }
    if (argument != name) {
        return false;
    }
    if (i + 1 >= argc) {
        value.clear();
        return false;
    }
    value = argv[++i];
    return true;
}

std::string parseArguments(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            options.help = true;
            return std::string();
        }
        const char* const Valued[] = {"--call", "--date", "--library"};
        std::string* const Targets[] = {&options.call, &options.date, &options.library};
        bool taken = false;
        for (int k = 0; k < 3 && !taken; ++k) {
            const std::string name = Valued[k];
            if (argument == name || argument.compare(0, name.size() + 1, name + "=") == 0) {
                if (!optionValue(name, argc, argv, i, *Targets[k])) {
                    return name + " needs a value";
                }
                options.callGiven = options.callGiven || k == 0;
                taken = true;
            }
        }
        if (taken) {
            continue;
        }
        if (argument.size() > 1 && argument[0] == '-') {
            return "unknown option " + argument;
        }
        if (options.command.empty()) {
            options.command = argument;
        } else {
            options.operands.push_back(argument);
        }
    }
    if (options.command.empty()) {
        return "no command given";
    }
    const bool isCheck = options.command == "check";
    if (!isCheck && options.command != "score" && options.command != "export" &&
        options.command != "audit") {
        return "unknown command " + options.command;
    }
    const std::size_t wanted = isCheck ? 4 : 1;
    if (options.operands.size() != wanted) {
        return options.command + " takes " +
               (isCheck ? std::string("LOG.adi CALL BAND MODE") : std::string("LOG.adi"));
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

std::string besideProgram(const char* program)
{
    const std::string path = program != nullptr ? program : "";
    const std::size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    return folder + pluginFileName();
}

// The text with CR LF line ends, one terminal line each.
void printLines(const std::string& text)
{
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find("\r\n", start);
        std::printf("%s\n", text.substr(start, end - start).c_str());
        if (end == std::string::npos) {
            return;
        }
        start = end + 2;
    }
}

// "1 warning", "2 warnings".
std::string counted(std::size_t count, const std::string& noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string hostDateText(const DateRecord& date, const char* pattern)
{
    return formatDateRecord(date, pattern);
}

class Driver {
public:
    Driver(const Options& options, const LoadedLog& log, const DateRecord& title)
        : options_(options), log_(log), title_(title)
    {
    }

    int run()
    {
        if (options_.command == "audit") {
            return audit();
        }
        StatsPlugin plugin;
        std::string error;
        if (!loadStatsPlugin(options_.library, plugin, error)) {
            say(error);
            return NoPlugin;
        }
        plugin_ = &plugin;
        int status = Clean;
        if (options_.command == "score") {
            status = score(false);
        } else if (options_.command == "export") {
            // The export replaces the file anyway; gone beforehand, an old one cannot pass for
            // the new.
            if (std::remove(cabrilloName().c_str()) == 0) {
                say("the earlier " + cabrilloName() + " is replaced");
            }
            status = score(true);
            if (status == Clean) {
                status = checkCabrillo();
            }
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
        return options_.callGiven ? options_.call : log_.stationCall;
    }

    int score(bool exportCabrillo)
    {
        feedLog(exportCabrillo ? 1 : 0);
        int score = 0;
        std::string summary;
        asOperator([this, &score, &summary] { summary = plugin_->GetResult0(&score); });
        printLines(summary);
        return Clean;
    }

    int check()
    {
        feedLog(0);
        const std::string& call = options_.operands[1];
        const std::string& typed = options_.operands[2];
        const std::string& mode = options_.operands[3];
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
        std::printf("%s\n", line.c_str());
        return accepted != 0 ? Clean : Found;
    }

    // The name the plug-in gives its Cabrillo file.
    std::string cabrilloName() const
    {
        std::string base = call();
        for (char& c : base) {
            if (c == '/' || c == '\\') {
                c = '_';
            }
        }
        const char* const Blanks = " \t\n\v\f\r";
        const std::size_t first = base.find_first_not_of(Blanks);
        base = first == std::string::npos
                   ? std::string()
                   : base.substr(first, base.find_last_not_of(Blanks) - first + 1);
        return (base.empty() ? std::string("QQLOG") : base) + ".cbr";
    }

    std::vector<CabrilloQso> expectedQsos(const std::string& ownCall) const
    {
        std::vector<CabrilloQso> expected;
        for (const LogContact& contact : log_.contacts) {
            const HostContact& c = contact.host;
            CabrilloQso qso;
            qso.line = contact.record;
            qso.frequencyKHz = std::to_string(c.frequencyHz / 1000);
            qso.mode = c.mode == "CW" ? "CW" : c.mode == "SSB" ? "PH" : "PM";
            qso.date = hostDateText(c.time, "%Y-%m-%d");
            qso.time = hostDateText(c.time, "%H%M");
            qso.ownCall = ownCall;
            qso.rstSent = c.rstSent;
            qso.exchSent = c.exchSent;
            qso.call = c.call;
            qso.rstRcvd = c.rstRcvd;
            qso.exchRcvd = c.exchRcvd;
            expected.push_back(qso);
        }
        return expected;
    }

    int checkCabrillo()
    {
        const std::string name = cabrilloName();
        std::FILE* file = std::fopen(name.c_str(), "rb");
        if (file == nullptr) {
            say("the plug-in wrote no " + name + " in this folder");
            return Found;
        }
        std::string bytes;
        char buffer[65536];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            bytes.append(buffer, got);
        }
        std::fclose(file);

        const CabrilloFile cabrillo = readCabrillo(bytes);
        // The operator may change the callsign in the header form; the lines follow it.
        const std::string* own = cabrilloHeader(cabrillo, "CALLSIGN");
        std::vector<std::string> problems = cabrillo.problems;
        for (const std::string& problem :
             compareQsos(cabrillo, expectedQsos(own != nullptr ? *own : call()))) {
            problems.push_back(problem);
        }
        for (const std::string& problem : problems) {
            std::printf("%s: %s\n", name.c_str(), problem.c_str());
        }
        const std::vector<std::string> warnings = sponsorWarnings(cabrillo);
        for (const std::string& warning : warnings) {
            std::printf("%s: warning: %s\n", name.c_str(), warning.c_str());
        }
        if (problems.empty()) {
            std::printf("%s: %s: every contact once, field for field; %s\n", name.c_str(),
                        counted(cabrillo.qsos.size(), "QSO line").c_str(),
                        counted(warnings.size(), "warning").c_str());
            return Clean;
        }
        std::printf("%s: %s, %s\n", name.c_str(), counted(problems.size(), "problem").c_str(),
                    counted(warnings.size(), "warning").c_str());
        return Found;
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
                        describe(earlier) + ", " + counted(finding.minutesToWait, "minute") +
                        " still to wait";
            } else {
                ++repeats;
                line += "exact repeat of record " + std::to_string(earlier.record) + " " +
                        describe(earlier);
            }
            std::printf("%s\n", line.c_str());
        }
        std::printf("audit: %s, %s, %s too early\n",
                    counted(log_.contacts.size(), "contact").c_str(),
                    counted(repeats, "exact repeat").c_str(), std::to_string(early).c_str());
        return findings.empty() ? Clean : Found;
    }

    const Options& options_;
    const LoadedLog& log_;
    DateRecord title_;
    StatsPlugin* plugin_ = nullptr;
};

}  // namespace

int main(int argc, char** argv)
{
    setUpConsole();
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
    if (options.library.empty()) {
        options.library = besideProgram(argv[0]);
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
    if (log.skipped > 0) {
        say(path + ": " + counted(log.skipped, "record") + " skipped");
        return status == Clean || status == Found ? BadLog : status;
    }
    return status;
}
