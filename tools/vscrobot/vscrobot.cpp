// vscrobot: the sponsor's log-submission robot. One table names every command; each is a file.
#include <cstdio>
#include <cstring>

#include "platform/folder_access.h"
#include "vscrobot/cli/robot_commands.h"

namespace {

struct RobotCommand {
    const char* name;
    int (*run)(const RobotOptions&);
};

const RobotCommand Commands[] = {
    {"serve", serveCommand},   {"submit", submitCommand},   {"list", listCommand},
    {"export", exportCommand}, {"publish", publishCommand},
};

const char Help[] =
    "vscrobot - the contest sponsor's log-submission robot\n"
    "\n"
    "Usage:\n"
    "  vscrobot serve   --data DIR [--listen 127.0.0.1:8080] [--rules FILE] [--date D --hours H]\n"
    "                   [--deadline \"YYYY-MM-DD HH:MM\"] [--max-body BYTES]\n"
    "                   [--uploads-per-minute N] [--timeout S] [--trusted-proxy ADDR]\n"
    "  vscrobot submit  --data DIR [--rules FILE] [--date D --hours H] [--deadline ...] [FILE]\n"
    "  vscrobot list    --data DIR\n"
    "  vscrobot export  --data DIR OUTDIR\n"
    "  vscrobot publish --data DIR [--rules FILE] [--date D --hours H]\n"
    "\n"
    "serve    the web side: GET / the upload form, POST /submit, GET /logs the logs received,\n"
    "         GET /results/ the published results; prints \"listening on URL\" when ready\n"
    "         and stops on SIGTERM or SIGINT. --listen ADDR:0 takes a free port.\n"
    "submit   one mail message (or a Cabrillo file) on stdin or FILE, as a mail server pipes\n"
    "         it; the receipt or the refusal on stdout\n"
    "list     the logs that count, one a line: call, categories, QSO lines, claimed score,\n"
    "         time received, receipt\n"
    "export   each counting log as OUTDIR/CALL.cbr, for vscscore crosscheck\n"
    "publish  vscscore crosscheck --html on the counting logs, into DIR/results\n"
    "\n"
    "A log is linted as vscscore lint does, with the contest period of --date and --hours\n"
    "(or Start= in the rules file); one with errors is refused and nothing of it is stored.\n"
    "A log for a call already received replaces it as the one that counts; every version is\n"
    "kept in DIR/vscrobot.sqlite. Uploads are taken from the contest's start to --deadline.\n"
    "Defaults: --max-body 2097152, --uploads-per-minute 10 (0: no limit), --timeout 30.\n"
    "\n"
    "Exit status: 0 done; 2 a usage error; 5 the log was refused; 75 the store failed (a\n"
    "mail server keeps the message and tries again).\n";

}  // namespace

int main(int argc, char** argv)
{
    RobotOptions options;
    const std::string error = parseRobotOptions(argc, argv, options);
    if (options.help) {
        std::fputs(Help, stdout);
        return RobotOk;
    }
    const RobotCommand* command = nullptr;
    for (const RobotCommand& c : Commands) {
        if (options.command == c.name) {
            command = &c;
        }
    }
    std::string problem = error;
    if (problem.empty() && command == nullptr) {
        problem = options.command.empty() ? "no command given"
                                          : "unknown command " + options.command;
    }
    if (problem.empty() && options.data.empty()) {
        problem = options.command + " needs --data DIR";
    }
    if (!problem.empty()) {
        robotSay(problem);
        std::fprintf(stderr, "Try 'vscrobot --help'.\n");
        return RobotUsage;
    }
    if (!makeFolder(options.data, problem)) {
        robotSay(problem);
        return RobotStoreFailed;
    }
    return command->run(options);
}
