// Each log's whole-log clock offset, from the contacts it shares unambiguously with others.
#pragma once

#include <vector>

#include "crosscheck/contact_pairs.h"

// A pair of logs holding each other exactly once on a band and mode gives one sample: the
// difference of the two logged times. A log's offset is the median of its samples plus the
// partners' offsets, refined over a few rounds, so that a partner's own wrong clock and the
// odd wrong line weigh nothing. Fewer than 3 samples: offset 0. Samples that mostly fall
// outside the tolerance around the estimate: not reliable.
std::vector<ClockEstimate> estimateClocks(const ContactPairs& pairs, std::size_t logCount,
                                          unsigned toleranceMinutes);
