// vscscore: stands in for the host. Loads the Stats plug-in, reads an ADIF log and drives the
// entry points as the host does, to score, export, check or audit the log; lints Cabrillo files.
// The command line is read in cli/, each command runs from commands/ by the command table.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "platform/console_text.h"
#include "cli/exit_status.h"
#include "platform/freed_memory.h"
#include "cli/help.h"
#include "input/log_file.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "plugin/version.h"
#include "platform/utf8_files.h"

namespace {

// Reads the log named first; false after saying why it cannot be scored.
bool readLog(const Options& options, LogForm form, LoadedLog& log)
{
    const std::string& path = options.operands[0];
    std::string readError;
    if (!loadLogFile(path, log, readError, form)) {
        say(readError);
        return false;
    }
    for (const std::string& message : log.messages) {
        say(path + ": " + message);
    }
    for (const std::string& warning : log.warnings) {
        say(path + ": " + warning);
    }
    log.messages = std::vector<std::string>();
    log.warnings = std::vector<std::string>();
    if (log.contactCount() == 0 && log.skipped > 0) {
        say(path + ": no contact could be read, " + counted(log.skipped, "record") +
            " skipped; nothing is scored or written");
        return false;
    }
    if (log.contactCount() == 0 && options.date.empty()) {
        say(path + ": no contacts; give --date to score an empty log");
        return false;
    }
    if (!options.callGiven && log.stationCall.empty()) {
        say(path + ": no STATION_CALLSIGN or OPERATOR in the log; give --call");
    }
    say(path + ": " + counted(log.contactCount(), "contact") + " read");
    return true;
}

// --date and --hours into the context, for a command that takes them so; the status.
int readPeriod(const Command& command, CommandContext& context)
{
    const Options& options = context.options;
    if (!command.readsPeriod) {
        return Clean;
    }
    if (!options.date.empty() && !parseDate(options.date, context.title)) {
        return usageError("--date wants YYYY-MM-DD, not " + options.date);
    }
    const std::string periodError = contestPeriod(options, context.title, context.period);
    return periodError.empty() ? Clean : usageError(periodError);
}

// The first contact's day, for a log scored without --date.
DateRecord firstContactDay(const LoadedLog& log)
{
    DateTimeParts day = log.firstWhen();
    day.hour = day.minute = day.second = 0;
    double value = 0.0;
    makeOleDate(day, value);
    return DateRecord::make(value);
}

}  // namespace

int main(int argc, char** argv)
{
    returnLargeBlocksAtOnce();
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
        std::printf("%s %s\n", ProgramName, STATS_RELEASE_TEXT);
        return Clean;
    }
    Options options;
    const std::string error = parseArguments(argc, argv, options);
    const Command* named = findCommand(options.command);
    const char* ownHelp = named != nullptr && named->help != nullptr ? named->name : nullptr;
    if (options.help) {
        std::fputs(ownHelp != nullptr ? named->help : helpText().c_str(), stdout);
        return Clean;
    }
    if (!error.empty()) {
        return usageError(error, ownHelp);
    }
    const Command& command = *named;
    CommandContext context{options, nullptr, DateRecord(), ContestPeriod()};
    const int periodStatus = readPeriod(command, context);
    if (periodStatus != Clean) {
        return periodStatus;
    }
    if (!command.readsLog) {
        return command.run(context);
    }

    LoadedLog log;
    if (!readLog(options, command.packsLog ? LogForm::Packed : LogForm::Contacts, log)) {
        return BadLog;
    }
    if (options.date.empty() && log.contactCount() > 0) {
        context.title = firstContactDay(log);
    }
    context.log = &log;
    const int status = command.run(context);
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
    say(options.operands[0] + ": " + line);
    return status == Clean && !command.answers ? Found : status;
}
