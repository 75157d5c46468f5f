// The countdown behind failNthFileStep: the host calls one entry point at a time, so a plain
// counter will do.
#include "platform/file_steps.h"

#include "platform/platform.h"

namespace platform {

namespace {

unsigned stepsUntilFailure = 0;

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

}  // namespace platform
