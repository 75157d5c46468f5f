// The command line read with getopt_long, the messages our own.
#include "cli/options.h"

#include <getopt.h>

#include "cli/command_table.h"
#include "input/calendar_day.h"
#include "input/plain_text.h"
#include "commands/report_command.h"

namespace {

// getopt_long reports each option by a code above any character (FirstOption + row), so a
// missing value names its option.
constexpr int FirstOption = 256;
constexpr std::size_t MostOptions = 16;

void addOperand(Options& options, const char* text)
{
    if (options.command.empty()) {
        options.command = text;
    } else {
        options.operands.push_back(text);
    }
}

// The command's name: the first element that is neither an option nor an option's value.
std::string commandName(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string element = argv[i];
        if (element == "--") {
            return i + 1 < argc ? argv[i + 1] : std::string();
        }
        if (element.compare(0, 2, "--") == 0 && anyValuedOption(element.substr(2))) {
            ++i;
        } else if (element.empty() || element[0] != '-' || element == "-") {
            return element;
        }
    }
    return std::string();
}

bool helpAsked(int argc, char** argv)
{
    for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i) {
        if (std::string(argv[i]) == "-h" || std::string(argv[i]) == "--help") {
            return true;
        }
    }
    return false;
}

// An option the command does not take: another command's, or none at all.
std::string notTaken(const std::string& element, const Command& command)
{
    const std::string name = element.substr(2, element.find('=') - 2);
    if (element.compare(0, 2, "--") == 0 && findOption(command, name) != nullptr) {
        return "--" + name + " takes no value";
    }
    if (element.compare(0, 2, "--") == 0 && name != "help" && anyValuedOption(name)) {
        return element.substr(0, element.find('=')) + " is not an option of " + command.name;
    }
    return "unknown option " + element;
}

// The command's line read by its options; empty, or the usage error.
std::string readOptions(int argc, char** argv, const Command& command, Options& options)
{
    option Long[MostOptions + 2] = {};
    for (std::size_t i = 0; i < command.optionCount; ++i) {
        const CommandOption& known = command.options[i];
        Long[i] = {known.name, known.value ? required_argument : no_argument, nullptr,
                   FirstOption + static_cast<int>(i)};
    }
    Long[command.optionCount] = {"help", no_argument, nullptr, 'h'};
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
            // Also a flag given a value, as MinGW-w64's getopt reports it (glibc's: unknown).
            const int row = optopt - FirstOption;
            const bool valued = row >= 0 && row < static_cast<int>(command.optionCount) &&
                                command.options[row].value != nullptr;
            return valued ? std::string("--") + Long[row].name + " needs a value"
                          : notTaken(element, command);
        }
        if (code < FirstOption || code >= FirstOption + static_cast<int>(command.optionCount)) {
            return notTaken(element, command);
        }
        const CommandOption& known = command.options[code - FirstOption];
        if (known.value != nullptr) {
            options.*known.value = optarg;
        } else {
            options.*known.flag = true;
        }
        options.callGiven = options.callGiven || known.value == &Options::call;
    }
    // What follows "--" is operands only.
    for (int i = optind; i < argc; ++i) {
        addOperand(options, argv[i]);
    }
    return std::string();
}

}  // namespace

std::string parseArguments(int argc, char** argv, Options& options)
{
    const std::string name = commandName(argc, argv);
    const Command* command = findCommand(name);
    if (command == nullptr) {
        options.help = helpAsked(argc, argv);
        return name.empty() ? "no command given" : "unknown command " + name;
    }
    const std::string error = readOptions(argc, argv, *command, options);
    if (!error.empty() || options.help) {
        options.command = name;  // -h may stand before it
        return error;
    }
    unsigned offTime = 0;
    if (!options.offTime.empty() && !parseOffTime(options.offTime, offTime)) {
        return "--off-time wants whole minutes, 1 or more, not " + options.offTime;
    }
    const std::size_t given = options.operands.size();
    if (given != command->operandCount && !(command->moreOperands && given > 0)) {
        return options.command + " takes " + command->operands;
    }
    return std::string();
}

bool parseHours(const std::string& text, unsigned& hours)
{
    return wholeNumber(text, 1, 1000, hours);
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
        if (options.date.empty()) {
            return "--hours needs --date, the day the contest starts";
        }
        if (!parseHours(options.hours, period.hours)) {
            return "--hours wants a number of hours from 1 to 1000, not " + options.hours;
        }
    }
    if (!options.date.empty()) {
        period.given = breakDownOleDate(date.value(), period.start);
    }
    return std::string();
}
