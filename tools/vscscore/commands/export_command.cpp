// vscscore export: the plug-in writes the Cabrillo file; it is read back against the log and
// linted.
#include <cstdio>
#include <utility>

#include "cabrillo/file_base.h"
#include "cli/commands.h"
#include "export/empty_log_guard.h"
#include "cli/exit_status.h"
#include "export/export_read_back.h"
#include "input/file_bytes.h"
#include "platform/file_identity.h"
#include "export/kept_copy.h"
#include "input/packed_contacts.h"
#include "lint/lint_command.h"
#include "cli/messages.h"
#include "cli/shown_text.h"
#include "platform/utf8_files.h"
#include "session/plugin_session.h"

namespace {

// The QSO line's mode for the host's mode, as the contest's Cabrillo form has it: kept here
// apart from the plug-in's own mapping, so that a fault in that shows.
std::string expectedMode(const std::string& hostMode)
{
    if (hostMode == "CW") {
        return "CW";
    }
    return hostMode == "SSB" ? "PH" : "PM";
}

std::string printed(const char* pattern, int a, int b, int c = 0)
{
    char text[32];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

// The QSO line the contact should have, from what the log says.
CabrilloQso expectedQso(const LogContact& contact, const std::string& ownCall)
{
    const HostContact& c = contact.host;
    const DateTimeParts& when = contact.when;
    CabrilloQso qso;
    qso.line = contact.record;
    qso.frequencyKHz = std::to_string(c.frequencyHz / 1000);
    qso.mode = expectedMode(c.mode);
    qso.date = printed("%04d-%02d-%02d", when.year, when.month, when.day);
    qso.time = printed("%02d%02d", when.hour, when.minute);
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

int readBack(const CommandContext& context, const PackedContacts& contacts,
             const std::string& name, const std::string& call)
{
    std::string bytes;
    std::string error;
    if (!readFileBytes(name, bytes, error)) {
        say(error + "; the file was not read back");
        return Errors;
    }

    // The file is split into lines once; lint and the comparison both read that.
    CabrilloFile cabrillo = readCabrillo(std::move(bytes));
    const LintReport lint = lintCabrillo(cabrillo.text, context.period);
    // The operator may change the callsign in the header form; the lines follow it.
    const std::string* own = cabrilloHeader(cabrillo, "CALLSIGN");
    std::vector<std::string> problems = cabrillo.problems;
    const std::string ownCall = own != nullptr ? *own : call;
    const auto expectedAt = [&contacts, &ownCall](std::size_t i) {
        return expectedQso(contacts.at(i), ownCall);
    };
    for (const std::string& problem : compareQsos(cabrillo, contacts.size(), expectedAt)) {
        problems.push_back(problem);
    }
    if (!lint.unreadable.empty()) {
        problems.push_back(lint.unreadable);
    }
    const LoadedLog& log = *context.log;
    if (contacts.size() + log.skipped < log.recordEnds) {
        problems.push_back("the log has " + counted(log.recordEnds, "record") + " (<EOR>), " +
                           std::to_string(contacts.size()) + " read and " +
                           std::to_string(log.skipped) + " skipped: " +
                           counted(log.recordEnds - contacts.size() - log.skipped, "record") +
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
    const std::string counts =
        lintCounts(lint) + (warnings.empty()
                                ? std::string()
                                : ", " + counted(warnings.size(), "warning") + " from the log");
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

}  // namespace

// The plug-in alone writes the file; whether it did is its own report's to say, and whether
// the file there is new, the file's identity's.
int exportCommand(const CommandContext& context)
{
    const std::string name = cabrilloFileBase(stationCall(context)) + ".cbr";
    if (emptyLogRefused(context.log->contactCount() == 0, name)) {
        return BadLog;
    }
    if (isSymbolicLinkUtf8(name)) {
        say(name + " is a symbolic link, which the plug-in would replace with a plain file; "
                   "nothing exported (export in the folder of the file it names)");
        return Errors;
    }
    // The log's contacts stay in memory while the plug-in holds its own copy and writes the
    // file: packed as they were read, they take a fraction of the room.
    PackedContacts& contacts = context.log->packed;
    PluginSession session(context);
    if (!session.load()) {
        return NoPlugin;
    }
    const std::string call = session.call();
    KeptCopy kept;
    std::string reason;
    if (!kept.keep(name, reason)) {
        say("cannot keep the earlier " + name + " as " + name + "~: " + reason +
            "; nothing exported");
        return Errors;
    }
    const FileIdentity before = fileIdentity(name);
    session.feedLog(1);
    // While the plug-in writes, its store and the file it builds are the program's peak: the
    // packed contacts wait on disk where they can.
    contacts.setAside();
    int score = 0;
    const std::string report = session.requestResult(score);
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
            (written ? " was written all the same, and is read back" : " was not written"));
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
    session.unload();
    if (!contacts.takeBack()) {
        say("the log's contacts, kept in a temporary file while the plug-in wrote, could not "
            "be read again; " + name + " was written but not read back");
        return Errors;
    }
    return readBack(context, contacts, name, call);
}
