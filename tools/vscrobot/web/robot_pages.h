// The robot's pages, in the results site's style; every text from a log or a client escaped.
#pragma once

#include <string>
#include <vector>

#include "vscrobot/store/stored_log.h"

struct Submission;

struct FormFacts {
    std::string contest;  // the contest's name
    std::string period;
    std::string window;
    std::string refusal;  // non-empty: uploads are not taken now, and why
    unsigned long long maxBody = 0;
};

std::string formPage(const FormFacts& facts);
std::string receiptPage(const StoredLog& log);
std::string refusalPage(const Submission& submission);
std::string logsPage(const std::vector<StoredLog>& logs, bool published);
// A page for any other status: its title and one paragraph.
std::string messagePage(const std::string& title, const std::string& text);
