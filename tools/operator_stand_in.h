// The operator in front of the plug-in's modal windows while the driver calls it. The POSIX
// plug-in has no windows (its form asks on the terminal, its report goes to standard error);
// on Windows the driver answers them.
#pragma once

#include <functional>

// Runs the call; on Windows a message box is printed to standard error as "CAPTION: TEXT" and
// closed with OK, and the header form is cancelled unless an operator sits at a console.
void asOperator(const std::function<void()>& call);
