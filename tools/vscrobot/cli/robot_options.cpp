// One table of options: its name, where its value goes, and the commands that take it.
#include "vscrobot/cli/robot_options.h"

#include <cstring>

namespace {

struct OptionRow {
    const char* name;
    std::string RobotOptions::*target;
    const char* commands;  // blank-separated, each padded with blanks
};

const char Contest[] = " serve submit publish ";

const OptionRow OptionRows[] = {
    {"--data", &RobotOptions::data, " serve submit list export publish "},
    {"--rules", &RobotOptions::rules, Contest},
    {"--date", &RobotOptions::date, Contest},
    {"--hours", &RobotOptions::hours, Contest},
    {"--deadline", &RobotOptions::deadline, " serve submit "},
    {"--listen", &RobotOptions::listen, " serve "},
    {"--max-body", &RobotOptions::maxBody, " serve submit "},
    {"--uploads-per-minute", &RobotOptions::uploadsPerMinute, " serve "},
    {"--timeout", &RobotOptions::timeout, " serve "},
    {"--trusted-proxy", &RobotOptions::trustedProxy, " serve "},
};

const OptionRow* findOption(const std::string& name)
{
    for (const OptionRow& row : OptionRows) {
        if (name == row.name) {
            return &row;
        }
    }
    return nullptr;
}

bool takes(const OptionRow& row, const std::string& command)
{
    return std::strstr(row.commands, (" " + command + " ").c_str()) != nullptr;
}

}  // namespace

std::string parseRobotOptions(int argc, char** argv, RobotOptions& options)
{
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string element = argv[i];
        if (element == "-h" || element == "--help") {
            options.help = true;
            return std::string();
        }
        if (optionsEnded || element.size() < 2 || element[0] != '-') {
            if (options.command.empty()) {
                options.command = element;
            } else {
                options.operands.push_back(element);
            }
            continue;
        }
        if (element == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = element.find('=');
        const std::string name = element.substr(0, equals);
        const OptionRow* row = findOption(name);
        if (row == nullptr) {
            return "unknown option " + element;
        }
        if (!options.command.empty() && !takes(*row, options.command)) {
            return options.command + " does not take " + name;
        }
        if (equals != std::string::npos) {
            options.*(row->target) = element.substr(equals + 1);
        } else if (i + 1 < argc) {
            options.*(row->target) = argv[++i];
        } else {
            return name + " needs a value";
        }
    }
    return std::string();
}

bool readCount(const std::string& text, unsigned long long min, unsigned long long max,
               unsigned long long& value)
{
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") !=
                                                std::string::npos) {
        return false;
    }
    value = std::stoull(text);
    return value >= min && value <= max;
}
