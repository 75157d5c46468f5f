// The operator in front of the plug-in's modal windows while the driver calls it. The POSIX
// plug-in has no windows (its form asks on the terminal, its report goes to standard error);
// on Windows the driver answers them.
#pragma once

#include <functional>
#include <string>

// Runs the call and returns what the plug-in reported to the operator, one "CAPTION: TEXT"
// line per message box, each also printed to standard error. On Windows the boxes are closed
// with OK, and the header form is cancelled unless an operator sits at a console.
std::string asOperator(const std::function<void()>& call);
