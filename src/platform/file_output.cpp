// The file output that both back ends share. The host calls one entry point at a time, so a
// plain counter will do for the countdown.
#include "platform/file_output.h"

#include <algorithm>
#include <cstdio>

#include "platform/platform.h"

namespace platform {

namespace {

unsigned stepsUntilFailure = 0;

// Pieces, so that a fault can strike in the middle of a file.
constexpr std::size_t Piece = 4096;

}  // namespace

void failNthFileStep(unsigned n)
{
    stepsUntilFailure = n;
}

bool fileStepFails()
{
    if (stepsUntilFailure == 0) {
        return false;
    }
    return --stepsUntilFailure == 0;
}

bool writeInPieces(const std::string& bytes,
                   const std::function<std::size_t(const char*, std::size_t)>& writeSome)
{
    for (std::size_t done = 0; done < bytes.size();) {
        if (fileStepFails()) {
            return false;
        }
        const std::size_t wrote = writeSome(bytes.data() + done,
                                            std::min(bytes.size() - done, Piece));
        if (wrote == 0) {
            return false;
        }
        done += wrote;
    }
    return true;
}

std::string temporaryBeside(const std::string& target, unsigned long processId)
{
    const std::size_t slash = target.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    char name[32];
    std::snprintf(name, sizeof name, "~stats%08lx.tmp", processId & 0xFFFFFFFFul);
    return folder + name;
}

}  // namespace platform
