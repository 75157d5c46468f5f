// One stored contact, as the host reported it through AddData0.
#pragma once

#include <cstdint>
#include <string>

#include "scoring/ole_date.h"

// Fields in the order the log record has always had; the Aux ones are carried but never read.
struct CInfo {
    std::string Call;
    std::string Aux1;
    std::string Aux2;
    std::string Band;
    std::string Mode;
    std::string RstRcvd;
    std::string RstSent;
    std::string ExchRcvd;
    std::string ExchSent;
    std::string Aux3;
    std::string Aux4;
    int32_t FreqKHz = 0;
    int32_t AuxInt1 = 0;
    int32_t AuxInt2 = -1;
    int32_t AuxInt3 = -1;
    int32_t AuxInt4 = -1;
    int32_t AuxInt5 = -1;
    int32_t AuxInt6 = -1;
    DateRecord Time;
    int32_t AuxInt7 = 0;
};
