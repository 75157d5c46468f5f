// Plain forms and tables: the pages work without scripts, and none is sent.
#include "vscrobot/web/robot_pages.h"

#include "page/markup.h"
#include "page/page_style.h"
#include "vscrobot/intake/submission.h"
#include "vscrobot/intake/utc_time.h"

namespace {

const char Extra[] =
    "form p{margin:.8em 0}textarea{width:100%;font-family:monospace}\n"
    ".receipt th{text-align:left}.receipt td{text-align:left;white-space:normal}\n"
    "nav a{margin-right:1em}\n";

const char Nav[] = "<nav><a href=\"/\">Upload</a><a href=\"/logs\">Logs received</a>"
                   "<a href=\"/results/\">Results</a></nav>\n";

std::string page(const std::string& title, const std::string& body)
{
    return pageHead(title, Extra) + Nav + "<h1>" + escapeMarkup(title) + "</h1>\n" + body +
           "</body>\n</html>\n";
}

std::string row(const std::string& name, const std::string& value, const char* id = nullptr)
{
    const std::string attribute = id ? std::string(" id=\"") + id + "\"" : std::string();
    return "<tr><th>" + name + "</th><td" + attribute + ">" + escapeMarkup(value) +
           "</td></tr>\n";
}

std::string lines(const std::string& joined, const char* listId)
{
    std::string out = std::string("<ul id=\"") + listId + "\">\n";
    std::size_t at = 0;
    while (at < joined.size()) {
        const std::size_t end = joined.find('\n', at);
        out += "<li>" + escapeMarkup(joined.substr(at, end - at)) + "</li>\n";
        at = end == std::string::npos ? joined.size() : end + 1;
    }
    return out + "</ul>\n";
}

}  // namespace

std::string formPage(const FormFacts& facts)
{
    std::string body = "<p>Contest: " + escapeMarkup(facts.contest) + "<br>\nPeriod: " +
                       escapeMarkup(facts.period) + "<br>\nUploads are taken " +
                       escapeMarkup(facts.window) + ".</p>\n";
    if (!facts.refusal.empty()) {
        body += "<p><strong>" + escapeMarkup(facts.refusal) + "</strong></p>\n";
    }
    body += "<form method=\"post\" action=\"/submit\" enctype=\"multipart/form-data\">\n"
            "<p><label>Cabrillo file: <input type=\"file\" name=\"log\"></label></p>\n"
            "<p><label>or paste the log:<br>\n"
            "<textarea name=\"text\" rows=\"16\" cols=\"80\"></textarea></label></p>\n"
            "<p><button type=\"submit\">Send the log</button></p>\n</form>\n"
            "<p>The log is checked at once; one with errors is refused with every finding, "
            "and nothing of it is kept. A log sent again for the same callsign replaces the "
            "earlier one. Up to " + std::to_string(facts.maxBody / 1024) + " KiB.</p>\n";
    return page("Log upload", body);
}

std::string receiptPage(const StoredLog& log)
{
    std::string body = "<p>Your log was received and stored.</p>\n"
                       "<table class=\"receipt\">\n" +
                       row("Receipt", std::to_string(log.receipt), "receipt") +
                       row("Callsign", log.call, "call") + row("Categories", log.categories) +
                       row("QSO lines", std::to_string(log.qsoLines)) +
                       row("Claimed score", log.claimed.empty() ? "none" : log.claimed) +
                       row("Raw score", std::to_string(log.rawScore)) +
                       row("Received", utcText(log.received)) + row("SHA-256", log.sha256);
    if (log.replaces != 0) {
        body += row("Replaces", "receipt " + std::to_string(log.replaces) +
                                    " (kept, no longer counted)", "replaces");
    }
    body += "</table>\n";
    if (log.warnings.empty()) {
        body += "<p>No warnings.</p>\n";
    } else {
        body += "<h2>Warnings</h2>\n" + lines(log.warnings, "warnings");
    }
    return page("Log received", body);
}

std::string refusalPage(const Submission& submission)
{
    const LintReport& lint = submission.check.lint;
    if (!lint.unreadable.empty()) {
        return page("Log refused", "<p>Nothing was stored: " + escapeMarkup(lint.unreadable) +
                                       ".</p>\n<ul id=\"findings\"><li>" +
                                       escapeMarkup(lint.unreadable) + "</li></ul>\n");
    }
    std::string findings;
    for (const LintFinding& finding : lint.findings) {
        findings += std::string(finding.error ? "error: " : "warning: ") +
                    findingText(finding) + "\n";
    }
    return page("Log refused",
                "<p>Nothing was stored: the log has " + std::to_string(lint.errors) +
                    " error" + (lint.errors == 1 ? "" : "s") +
                    ". Mend the log and send it again.</p>\n" + lines(findings, "findings"));
}

std::string logsPage(const std::vector<StoredLog>& logs, bool published)
{
    std::string body = "<p>" + std::to_string(logs.size()) + " log" +
                       (logs.size() == 1 ? "" : "s") + " received.";
    if (published) {
        body += " <a href=\"/results/\">The results</a> are published.";
    }
    body += "</p>\n<div class=\"box\"><table id=\"logs\">\n<thead><tr><th>Call</th>"
            "<th>Categories</th><th>QSO lines</th><th>Claimed score</th><th>Received</th>"
            "</tr></thead>\n<tbody>\n";
    for (const StoredLog& log : logs) {
        body += "<tr><td>" + escapeMarkup(log.call) + "</td><td>" +
                escapeMarkup(log.categories) + "</td><td>" + std::to_string(log.qsoLines) +
                "</td><td>" + escapeMarkup(log.claimed) + "</td><td>" +
                utcText(log.received) + "</td></tr>\n";
    }
    return page("Logs received", body + "</tbody>\n</table></div>\n");
}

std::string messagePage(const std::string& title, const std::string& text)
{
    return page(title, "<p>" + escapeMarkup(text) + "</p>\n");
}
