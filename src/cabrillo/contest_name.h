// This contest's name on the CONTEST line of its Cabrillo files, as the export writes it and
// the tools check it.
#pragma once

constexpr char ContestName[] = "RADIO-VSC";
