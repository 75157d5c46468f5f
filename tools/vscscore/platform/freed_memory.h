// Memory the driver frees, given back to the system: the export's read-back needs room of
// another shape than the plug-in's store had, and the peak is the sum of what is kept.
#pragma once

// Large blocks get mappings of their own, given back the moment they are freed. glibc would
// otherwise learn from the log's large freed blocks to keep later ones in its heap, where the
// plug-in's export strands them beside its store. Called once, before anything is read.
void returnLargeBlocksAtOnce();
