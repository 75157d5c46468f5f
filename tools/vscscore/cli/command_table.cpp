// The one table of commands.
#include "cli/command_table.h"

namespace {

const Command Commands[] = {
    {"score", "LOG.adi", 1, true, false, false, scoreCommand},
    // The export holds the log's contacts beside the plug-in's store and the file it writes.
    {"export", "LOG.adi", 1, true, true, false, exportCommand},
    {"check", "LOG.adi CALL BAND MODE", 4, true, false, false, checkCommand},
    {"audit", "LOG.adi", 1, true, false, false, auditCommand},
    {"lint", "FILE.cbr", 1, false, false, false, lintCommand},
    {"report", "LOG.adi", 1, true, false, true, reportCommand},
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
