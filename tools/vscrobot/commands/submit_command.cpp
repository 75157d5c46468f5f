// vscrobot submit: one message from a mail server's pipe (or a file); the reply on stdout, for
// the mail server to send back. A store failure exits 75, so the mail server keeps the message
// and tries again.
#include <cstdio>

#include "cli/shown_text.h"
#include "input/file_bytes.h"
#include "vscrobot/cli/robot_commands.h"
#include "vscrobot/intake/mail_message.h"
#include "vscrobot/intake/robot_contest.h"
#include "vscrobot/intake/submission.h"
#include "vscrobot/intake/utc_time.h"
#include "vscrobot/store/log_store.h"

namespace {

// Keeps no more than the limit and a buffer, enough to tell a message over the limit; the rest
// is read and dropped, so the mail server's pipe is never cut short.
bool readMessage(const RobotOptions& options, unsigned long long limit, std::string& message)
{
    if (options.operands.empty() || options.operands[0] == "-") {
        char buffer[65536];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
            if (message.size() <= limit) {
                message.append(buffer, got);
            }
        }
        return !std::ferror(stdin);
    }
    std::string why;
    if (!readFileBytes(options.operands[0], message, why)) {
        robotSay(why);
        return false;
    }
    return true;
}

int refuse(const std::string& text)
{
    std::fputs(shownText(text).c_str(), stdout);
    return RobotRefused;
}

}  // namespace

int submitCommand(const RobotOptions& options)
{
    RobotContest contest;
    const std::string problem = readContest(options, contest);
    unsigned long long maxBody = 0;
    if (!problem.empty() || options.operands.size() > 1 ||
        !readCount(options.maxBody, 1024, 1ULL << 30, maxBody)) {
        robotSay(!problem.empty() ? problem : "submit takes one FILE, or the message on stdin, "
                                              "and --max-body in bytes");
        return RobotUsage;
    }
    std::string message;
    if (!readMessage(options, maxBody, message)) {
        return RobotUsage;
    }
    if (message.size() > maxBody) {
        return refuse("Refused: the message is larger than the limit of " +
                      std::to_string(maxBody) + " bytes; nothing was stored.\n");
    }
    const int64_t now = nowSeconds();
    const std::string closed = windowRefusal(contest.window, now);
    if (!closed.empty()) {
        return refuse("Refused: " + closed + " Nothing was stored.\n");
    }
    std::string log;
    std::string why;
    if (!logFromMail(message, log, why)) {
        return refuse("Refused: " + why + "; nothing was stored.\n");
    }
    LogStore store;
    if (!openStore(options, store)) {
        return RobotStoreFailed;
    }
    const Submission s = submitLog(store, log, contest.period, "mail", now);
    if (s.outcome == Submission::Outcome::Received) {
        std::fputs(shownText(receiptText(s.stored)).c_str(), stdout);
        return RobotOk;
    }
    const int status = refuse(refusalText(s));
    return s.outcome == Submission::Outcome::StoreFull ||
                   s.outcome == Submission::Outcome::StoreFailed
               ? RobotStoreFailed
               : status;
}
