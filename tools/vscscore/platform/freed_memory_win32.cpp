// The Windows heap maps large blocks apart and frees them at once as it is.
#include "platform/freed_memory.h"

void returnLargeBlocksAtOnce() {}
