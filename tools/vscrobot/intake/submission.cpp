// The receipt's text is written only from what the store returned, after its commit.
#include "vscrobot/intake/submission.h"

#include "vscrobot/intake/utc_time.h"
#include "vscrobot/store/log_store.h"

std::string findingText(const LintFinding& finding)
{
    return finding.line == 0 ? finding.message
                             : "line " + std::to_string(finding.line) + ": " + finding.message;
}

Submission submitLog(LogStore& store, const std::string& bytes, const ContestPeriod& period,
                     const std::string& source, int64_t now)
{
    Submission result;
    result.check = checkLog(bytes, period);
    const CheckedLog& check = result.check;
    if (!check.lint.unreadable.empty()) {
        result.outcome = Submission::Outcome::Unreadable;
        return result;
    }
    if (check.lint.errors > 0) {
        result.outcome = Submission::Outcome::Refused;
        return result;
    }
    StoredLog& log = result.stored;
    log.call = check.call;
    log.received = now;
    log.sha256 = check.sha256;
    log.qsoLines = static_cast<int64_t>(check.lint.qsoLines);
    log.claimed = check.claimed;
    log.rawScore = check.rawScore;
    log.categories = categoriesText(check);
    for (const LintFinding& finding : check.lint.findings) {
        log.warnings += findingText(finding) + "\n";
    }
    log.source = source;
    log.bytes = bytes;
    bool full = false;
    if (!store.add(log, result.why, full)) {
        result.outcome = full ? Submission::Outcome::StoreFull : Submission::Outcome::StoreFailed;
        return result;
    }
    log.bytes.clear();
    result.outcome = Submission::Outcome::Received;
    return result;
}

std::string receiptText(const StoredLog& log)
{
    std::string text = "Receipt: " + std::to_string(log.receipt) + "\n" +
                       "Callsign: " + log.call + "\n" +
                       "Categories: " + log.categories + "\n" +
                       "QSO lines: " + std::to_string(log.qsoLines) + "\n" +
                       "Claimed score: " + (log.claimed.empty() ? "none" : log.claimed) + "\n" +
                       "Raw score: " + std::to_string(log.rawScore) + "\n" +
                       "Received: " + utcText(log.received) + "\n" +
                       "SHA-256: " + log.sha256 + "\n";
    if (log.replaces != 0) {
        text += "Replaces: receipt " + std::to_string(log.replaces) +
                " (kept, no longer counted)\n";
    }
    if (log.warnings.empty()) {
        text += "Warnings: none\n";
    } else {
        text += "Warnings:\n";
        std::size_t at = 0;
        while (at < log.warnings.size()) {
            const std::size_t end = log.warnings.find('\n', at);
            text += "  " + log.warnings.substr(at, end - at) + "\n";
            at = end == std::string::npos ? log.warnings.size() : end + 1;
        }
    }
    return text;
}

std::string refusalText(const Submission& submission)
{
    const LintReport& lint = submission.check.lint;
    switch (submission.outcome) {
    case Submission::Outcome::Unreadable:
        return "Refused: " + lint.unreadable + "; nothing was stored.\n";
    case Submission::Outcome::StoreFull:
        return "Not stored: the store is full (" + submission.why + "); send the log again later.\n";
    case Submission::Outcome::StoreFailed:
        return "Not stored: " + submission.why + "; send the log again later.\n";
    default:
        break;
    }
    std::string text = "Refused: " + std::to_string(lint.errors) + " error" +
                       (lint.errors == 1 ? "" : "s") +
                       "; nothing was stored. Mend the log and send it again.\n";
    for (const LintFinding& finding : lint.findings) {
        text += std::string(finding.error ? "error" : "warning") + ": " + findingText(finding) +
                "\n";
    }
    return text;
}
