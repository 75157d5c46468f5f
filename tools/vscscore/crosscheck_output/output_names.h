// The base of each entrant's output files, from the callsign: the plug-in's file base, made
// writable and visible on any system and web server.
#pragma once

#include <string>

// The most bytes a base holds: far below any system's name limit, with room for ".html".
constexpr std::size_t MostBaseBytes = 64;

// The plug-in's file base for the call, with leading dots made "_" (a dot-file is hidden in a
// listing and refused by many web servers) and, past MostBaseBytes, cut and tagged with a hash
// of the whole call, so that the name stays stable from run to run and distinct per call.
std::string outputFileBase(const std::string& call);
