// The stored contacts and the bands they were made on.
#pragma once

#include <string>
#include <vector>

#include "scoring/cinfo.h"
#include "scoring/contact_array.h"

// Distinct band names; order of first appearance until the summary reorders it.
using BandList = std::vector<std::string>;
