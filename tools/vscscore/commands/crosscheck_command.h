// vscscore crosscheck: the sponsor's check of every entrant's Cabrillo file. It runs from the
// command table (crosscheckCommand, cli/commands.h); its --help is its own.
#pragma once

extern const char CrosscheckHelp[];
