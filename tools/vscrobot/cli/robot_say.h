// vscrobot's one way of telling the operator something, on standard error.
#pragma once

#include <string>

// Prints "vscrobot: TEXT", the text made harmless for a terminal or a journal.
void robotSay(const std::string& text);
