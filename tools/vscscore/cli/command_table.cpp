// The one table of commands, and the options each takes.
#include "cli/command_table.h"

#include <iterator>

#include "commands/crosscheck_command.h"

namespace {

constexpr CommandOption Call{"call", &Options::call, nullptr};
constexpr CommandOption Date{"date", &Options::date, nullptr};
constexpr CommandOption Hours{"hours", &Options::hours, nullptr};
constexpr CommandOption Library{"library", &Options::library, nullptr};

// The commands that drive the plug-in on an ADIF log, and lint, which takes the same line.
const CommandOption LogOptions[] = {Call, Date, Hours, Library};
const CommandOption ReportOptions[] = {
    Call, Date, Hours, Library,
    {"off-time", &Options::offTime, nullptr},
    {"html", &Options::html, nullptr},
};
const CommandOption CrosscheckOptions[] = {
    {"rules", &Options::rules, nullptr},
    {"out", &Options::out, nullptr},
    Date,
    Hours,
    {"html", nullptr, &Options::site},
};

constexpr std::size_t LogOptionCount = std::size(LogOptions);

const Command Commands[] = {
    {"score", "LOG.adi", 1, false, LogOptions, LogOptionCount, true, false, true, false,
     nullptr, scoreCommand},
    // The export holds the log's contacts beside the plug-in's store and the file it writes.
    {"export", "LOG.adi", 1, false, LogOptions, LogOptionCount, true, true, true, false,
     nullptr, exportCommand},
    // A script asks whether the call may be worked: the records' warnings stay on stderr.
    {"check", "LOG.adi CALL BAND MODE", 4, false, LogOptions, LogOptionCount, true, false, true,
     true, nullptr, checkCommand},
    {"audit", "LOG.adi", 1, false, LogOptions, LogOptionCount, true, false, true, false,
     nullptr, auditCommand},
    {"lint", "FILE.cbr", 1, false, LogOptions, LogOptionCount, false, false, true, false,
     nullptr, lintCommand},
    {"report", "LOG.adi", 1, false, ReportOptions, std::size(ReportOptions), true, false, true,
     false, nullptr, reportCommand},
    // Many Cabrillo logs, its contest period from --date, --hours and its rules file.
    {"crosscheck", "LOG.cbr... or FOLDER", 1, true, CrosscheckOptions,
     std::size(CrosscheckOptions), false, false, false, false, CrosscheckHelp,
     crosscheckCommand},
};

}  // namespace

const Command* findCommand(const std::string& name)
{
    for (const Command& command : Commands) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

const CommandOption* findOption(const Command& command, const std::string& name)
{
    for (std::size_t i = 0; i < command.optionCount; ++i) {
        if (name == command.options[i].name) {
            return &command.options[i];
        }
    }
    return nullptr;
}

bool anyValuedOption(const std::string& name)
{
    for (const Command& command : Commands) {
        const CommandOption* option = findOption(command, name);
        if (option != nullptr && option->value != nullptr) {
            return true;
        }
    }
    return false;
}
