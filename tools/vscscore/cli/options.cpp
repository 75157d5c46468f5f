// The command line read with getopt_long, the messages our own.
#include "cli/options.h"

#include <getopt.h>

#include "cli/command_table.h"
#include "input/calendar_day.h"
#include "commands/report_command.h"

namespace {

// The options that take a value, each with the field it fills; getopt_long reports each by a
// code above any character (FirstValued + row), so a missing value names its option.
struct ValuedOption {
    const char* name;
    std::string Options::*value;
};

const ValuedOption Valued[] = {
    {"call", &Options::call},         {"date", &Options::date},
    {"hours", &Options::hours},       {"library", &Options::library},
    {"off-time", &Options::offTime},  {"html", &Options::html},
};
constexpr int FirstValued = 256;
constexpr int ValuedCount = static_cast<int>(sizeof Valued / sizeof Valued[0]);

void addOperand(Options& options, const char* text)
{
    if (options.command.empty()) {
        options.command = text;
    } else {
        options.operands.push_back(text);
    }
}

}  // namespace

std::string parseArguments(int argc, char** argv, Options& options)
{
    option Long[ValuedCount + 2] = {};
    for (int i = 0; i < ValuedCount; ++i) {
        Long[i] = {Valued[i].name, required_argument, nullptr, FirstValued + i};
    }
    Long[ValuedCount] = {"help", no_argument, nullptr, 'h'};
    // "-": operands come back in order as code 1, so options may stand anywhere whatever
    // POSIXLY_CORRECT says, with glibc's and MinGW-w64's getopt alike. ":": a missing value
    // is told apart from an unknown option. The messages are ours.
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
            addOperand(options, optarg);
            continue;
        }
        if (code == ':') {
            for (const option& known : Long) {
                if (known.name != nullptr && known.val == optopt) {
                    return std::string("--") + known.name + " needs a value";
                }
            }
        }
        if (code < FirstValued || code >= FirstValued + ValuedCount) {
            return "unknown option " + element;
        }
        const ValuedOption& valued = Valued[code - FirstValued];
        options.*valued.value = optarg;
        options.callGiven = options.callGiven || valued.value == &Options::call;
    }
    // What follows "--" is operands only.
    for (int i = optind; i < argc; ++i) {
        addOperand(options, argv[i]);
    }
    if (options.command.empty()) {
        return "no command given";
    }
    const Command* command = findCommand(options.command);
    if (command == nullptr) {
        return "unknown command " + options.command;
    }
    if (!command->reportOptions && (!options.offTime.empty() || !options.html.empty())) {
        return "--off-time and --html are for report only";
    }
    unsigned offTime = 0;
    if (!options.offTime.empty() && !parseOffTime(options.offTime, offTime)) {
        return "--off-time wants whole minutes, 1 or more, not " + options.offTime;
    }
    if (options.operands.size() != command->operandCount) {
        return options.command + " takes " + command->operands;
    }
    return std::string();
}

bool parseDate(std::string text, DateRecord& date)
{
    DateTimeParts day;
    double value = 0.0;
    if (!readDay(text, day, true) || !makeOleDate(day, value)) {
        return false;
    }
    date = DateRecord::make(value);
    return true;
}

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
