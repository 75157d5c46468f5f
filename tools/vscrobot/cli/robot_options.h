// vscrobot's command line: the command, then its options (each declared once, with the
// commands that take it) and operands.
#pragma once

#include <string>
#include <vector>

struct RobotOptions {
    std::string command;
    std::string data;
    std::string listen = "127.0.0.1:8080";
    std::string rules;
    std::string date;
    std::string hours;
    std::string deadline;
    std::string maxBody = "2097152";
    std::string uploadsPerMinute = "10";
    std::string timeout = "30";
    std::string trustedProxy;
    std::vector<std::string> operands;
    bool help = false;
};

// Empty, or the usage error. -h or --help sets help and ends the reading.
std::string parseRobotOptions(int argc, char** argv, RobotOptions& options);

// A whole number from min to max, or false.
bool readCount(const std::string& text, unsigned long long min, unsigned long long max,
               unsigned long long& value);
