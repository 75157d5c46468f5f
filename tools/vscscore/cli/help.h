// vscscore --help: what each command does, the options and the exit statuses.
#pragma once

#include <string>

std::string helpText();
