// --rules, --date and --hours as vscscore crosscheck takes them; --deadline in the same form.
#include "vscrobot/intake/robot_contest.h"

#include "crosscheck_input/rules_file.h"
#include "scoring/ole_date.h"
#include "vscrobot/intake/utc_time.h"

std::string readContest(const RobotOptions& options, RobotContest& contest)
{
    CrosscheckRules& rules = contest.rules;
    if (!options.rules.empty()) {
        std::string joined;
        for (const std::string& error : readRulesFile(options.rules, rules)) {
            joined += (joined.empty() ? "" : "\n") + error;
        }
        if (!joined.empty()) {
            return joined;
        }
    }
    if (!options.date.empty()) {
        if (!parseStart(options.date, rules.startMinute)) {
            return "--date wants YYYY-MM-DD or \"YYYY-MM-DD HH:MM\", not " + options.date;
        }
        rules.periodGiven = true;
    }
    if (!options.hours.empty()) {
        unsigned long long hours = 0;
        if (!rules.periodGiven) {
            return "--hours needs --date, or Start= in the rules file";
        }
        if (!readCount(options.hours, 1, 1000, hours)) {
            return "--hours wants a number of hours from 1 to 1000, not " + options.hours;
        }
        rules.hours = static_cast<unsigned>(hours);
    }
    contest.period.given = rules.periodGiven;
    contest.period.hours = rules.hours;
    if (rules.periodGiven) {
        breakDownOleDate(rules.startMinute / 1440.0, contest.period.start);
        contest.window.hasStart = true;
        contest.window.start = secondsOfOleMinute(rules.startMinute);
    }
    if (!options.deadline.empty()) {
        int32_t minute = 0;
        if (!parseStart(options.deadline, minute)) {
            return "--deadline wants \"YYYY-MM-DD HH:MM\" (UTC), not " + options.deadline;
        }
        contest.window.hasDeadline = true;
        contest.window.deadline = secondsOfOleMinute(minute);
        if (contest.window.hasStart && contest.window.deadline <= contest.window.start) {
            return "--deadline " + options.deadline + " is not after the contest's start";
        }
    }
    return std::string();
}

std::string periodText(const RobotContest& contest)
{
    if (!contest.rules.periodGiven) {
        return "no contest period set";
    }
    const int64_t start = secondsOfOleMinute(contest.rules.startMinute);
    return utcText(start) + ", " + std::to_string(contest.rules.hours) + " hours";
}
