// What both back ends' file output shares: the countdown behind failNthFileStep, the writing
// in pieces where that fault can strike, and the temporary file's name.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace platform {

// Counts one file step; true when the test hook has chosen this step to fail.
bool fileStepFails();

// Writes bytes in pieces of at most 4096 through writeSome, which writes a prefix of the piece
// it is given and returns how much, 0 on an error. Each piece counts as a file step.
bool writeInPieces(const std::string& bytes,
                   const std::function<std::size_t(const char*, std::size_t)>& writeSome);

// The temporary file that stands beside target until it replaces it: the same folder (up to
// the last "/" or "\"), and a short name of fixed length from processId, so that it fits
// wherever the target's name fits.
std::string temporaryBeside(const std::string& target, unsigned long processId);

}  // namespace platform
