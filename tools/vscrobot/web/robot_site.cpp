// The routes. /results/ serves only names read from the published folders; the request's path
// is compared with them, never opened.
#include "vscrobot/web/robot_site.h"

#include "cabrillo/contest_name.h"
#include "input/file_bytes.h"
#include "platform/folder_access.h"
#include "vscrobot/cli/robot_say.h"
#include "vscrobot/intake/submission.h"
#include "vscrobot/intake/utc_time.h"
#include "vscrobot/store/log_store.h"
#include "vscrobot/web/robot_pages.h"

namespace {

const char* typeOf(const std::string& name)
{
    auto ends = [&](const char* suffix) {
        const std::string s = suffix;
        return name.size() >= s.size() && name.compare(name.size() - s.size(), s.size(), s) == 0;
    };
    return ends(".html") ? "text/html; charset=utf-8"
           : ends(".csv") ? "text/csv; charset=utf-8"
                          : "text/plain; charset=utf-8";
}

bool listed(const std::string& folder, const std::string& name)
{
    std::vector<std::string> names;
    std::vector<SkippedEntry> skipped;  // links, folders: never served
    std::string error;
    if (!listFolder(folder, names, skipped, error)) {
        return false;
    }
    for (const std::string& n : names) {
        if (n == name) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string resultsFolder(const std::string& dataFolder)
{
    return dataFolder + "/results";
}

HttpReply messageReply(unsigned status, const std::string& title, const std::string& text)
{
    HttpReply reply;
    reply.status = status;
    reply.body = messagePage(title, text);
    return reply;
}

HttpReply RobotSite::get(const std::string& path) const
{
    if (path == "/") {
        FormFacts facts;
        facts.contest = ContestName;
        facts.period = periodText(contest_);
        facts.window = windowText(contest_.window);
        facts.maxBody = maxBody_;
        facts.refusal = closed(nowSeconds());
        HttpReply reply;
        reply.body = formPage(facts);
        return reply;
    }
    if (path == "/logs") {
        std::vector<StoredLog> logs;
        std::string why;
        if (!store_.counting(false, logs, why)) {
            robotSay(why);
            return messageReply(503, "Not available", "The logs cannot be listed now.");
        }
        HttpReply reply;
        reply.body = logsPage(logs, listed(resultsFolder(data_), "index.html"));
        return reply;
    }
    if (path == "/results") {
        HttpReply reply = messageReply(301, "Moved", "The results are at /results/.");
        reply.headers.emplace_back("Location", "/results/");
        return reply;
    }
    if (path.compare(0, 9, "/results/") == 0) {
        return published(path.substr(9));
    }
    return messageReply(404, "Not found", "There is no page " + path + " here.");
}

HttpReply RobotSite::published(const std::string& rest) const
{
    const std::string name = rest.empty() ? "index.html" : rest;
    const std::size_t slash = name.find('/');
    std::string folder = resultsFolder(data_);
    std::string file = name;
    if (slash != std::string::npos) {
        const std::string sub = name.substr(0, slash);
        file = name.substr(slash + 1);
        if (sub != "log" && sub != "ubn") {
            file.clear();
        }
        folder += "/" + sub;
    }
    if (file.empty() || !listed(folder, file)) {
        return rest.empty() ? messageReply(404, "No results yet",
                                           "The results are not published yet.")
                            : messageReply(404, "Not found", "There is no such results page.");
    }
    HttpReply reply;
    std::string error;
    if (!readFileBytes(folder + "/" + file, reply.body, error)) {
        return messageReply(500, "Cannot read", "The page cannot be read now.");
    }
    reply.contentType = typeOf(file);
    return reply;
}

std::string RobotSite::closed(int64_t now) const
{
    return windowRefusal(contest_.window, now);
}

HttpReply RobotSite::submit(const std::string& bytes, int64_t now)
{
    const Submission s = submitLog(store_, bytes, contest_.period, "web", now);
    HttpReply reply;
    switch (s.outcome) {
    case Submission::Outcome::Received:
        reply.body = receiptPage(s.stored);
        return reply;
    case Submission::Outcome::Refused:
        reply.status = 422;
        break;
    case Submission::Outcome::Unreadable:
        reply.status = bytes.empty() ? 400 : 415;
        break;
    case Submission::Outcome::StoreFull:
    case Submission::Outcome::StoreFailed:
        robotSay("not stored: " + s.why);
        reply = messageReply(503, "Not stored", "The log could not be stored now, and no "
                                                "receipt was given. Send it again later.");
        reply.headers.emplace_back("Retry-After", "300");
        return reply;
    }
    reply.body = refusalPage(s);
    return reply;
}
