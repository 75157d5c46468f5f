// Cabrillo logs for the robot's tests: a clean one in the shape another logger writes, with
// the header lines a case changes given whole.
#pragma once

#include <string>

namespace robot_test {

// A log of five QSO lines on 2025-02-15 scoring 21; header replaces the line of its tag.
inline std::string cabrilloLog(const std::string& call, const std::string& header = std::string())
{
    const std::string tag = header.substr(0, header.find(':'));
    std::string text;
    auto line = [&](const std::string& l) {
        text += (!tag.empty() && l.compare(0, tag.size() + 1, tag + ":") == 0 ? header : l) +
                "\r\n";
    };
    line("START-OF-LOG: 3.0");
    line("CONTEST: RADIO-VSC");
    line("CALLSIGN: " + call);
    line("CATEGORY-OPERATOR: SINGLE-OP");
    line("CATEGORY-BAND: ALL");
    line("CATEGORY-MODE: MIXED");
    line("CATEGORY-POWER: LOW");
    line("CLAIMED-SCORE: 21");
    const char* qsos[] = {" 3535 CW 2025-02-15 0001 ", " 7012 CW 2025-02-15 0015 ",
                          "14250 PH 2025-02-15 0030 ", "21080 RY 2025-02-15 0045 ",
                          "28020 CW 2025-02-15 0100 "};
    const char* sent[] = {"599 001", "599 002", "59  003", "599 004", "599 005"};
    const char* worked[] = {"Q1AA 599 5", "Q2BB/P 599 7", "Q1AA 59 6", "Q3CC 599 0",
                            "Q4DD 599 3"};
    for (int i = 0; i < 5; ++i) {
        line(std::string("QSO: ") + qsos[i] + "Q9VSC " + sent[i] + " " + worked[i]);
    }
    line("END-OF-LOG:");
    return text;
}

}  // namespace robot_test
