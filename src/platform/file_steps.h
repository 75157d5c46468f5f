// The countdown behind failNthFileStep, shared by both back ends.
#pragma once

namespace platform {

// Counts one file step; true when the test hook has chosen this step to fail.
bool fileStepFails();

}  // namespace platform
