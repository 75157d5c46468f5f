// vscscore --help: what each command does, the options and the exit statuses.
#pragma once

extern const char HelpText[];
