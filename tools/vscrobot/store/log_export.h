// The counting logs as files, named by the product's own file base, for vscscore crosscheck.
#pragma once

#include <string>

class LogStore;

// Writes each counting log to FOLDER/BASE.cbr, each whole or not at all; two calls with one
// file base get BASE.cbr and BASE-2.cbr. Empty, or why it stopped.
std::string exportLogs(LogStore& store, const std::string& folder, std::size_t& written);
