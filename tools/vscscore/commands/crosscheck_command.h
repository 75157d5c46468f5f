// vscscore crosscheck: the sponsor's check of every entrant's Cabrillo file.
#pragma once

// True when the command on the line is crosscheck, whatever options stand before it.
bool isCrosscheckCommand(int argc, char** argv);

// Parses its own options, reads, checks and writes; returns the exit status.
int crosscheckCommand(int argc, char** argv);
