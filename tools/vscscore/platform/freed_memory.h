// Memory the driver has freed, given back to the system: the C library keeps freed blocks for
// reuse, and the export's read-back needs room of another shape than the plug-in's store had.
#pragma once

void returnFreedMemory();
