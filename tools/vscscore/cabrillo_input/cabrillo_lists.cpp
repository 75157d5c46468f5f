// The one table of Cabrillo 3.0 tags and values, and lookups in it.
#include "cabrillo_input/cabrillo_lists.h"

#include <cctype>
#include <cstring>

namespace {

// From WWROF's Cabrillo V3 pages, header tags (page updated 31 May 2022) and QSO data, as read
// 2026-12-08; "older" holds what earlier versions listed and robots still take with a note.
// Band tokens stand for 50 MHz and up, where a QSO line may give the band instead of the kHz.
const CabrilloList Lists[] = {
    {"tags",
     "START-OF-LOG END-OF-LOG CALLSIGN CONTEST CATEGORY-ASSISTED CATEGORY-BAND CATEGORY-MODE "
     "CATEGORY-OPERATOR CATEGORY-POWER CATEGORY-STATION CATEGORY-TIME CATEGORY-TRANSMITTER "
     "CATEGORY-OVERLAY CERTIFICATE CLAIMED-SCORE CLUB CREATED-BY EMAIL GRID-LOCATOR LOCATION "
     "NAME ADDRESS ADDRESS-CITY ADDRESS-STATE-PROVINCE ADDRESS-POSTALCODE ADDRESS-COUNTRY "
     "OPERATORS OFFTIME SOAPBOX QSO X-QSO DEBUG",
     "CATEGORY ARRL-SECTION IOTA-ISLAND-NAME", false},
    {"CATEGORY-OPERATOR", "SINGLE-OP MULTI-OP CHECKLOG", "", true},
    {"CATEGORY-ASSISTED", "ASSISTED NON-ASSISTED", "", false},
    {"CATEGORY-BAND",
     "ALL 160M 80M 40M 20M 15M 10M 6M 4M 2M 222 432 902 1.2G 2.3G 3.4G 5.7G 10G 24G 47G 75G "
     "122G 134G 241G LIGHT VHF-3-BAND VHF-FM-ONLY",
     "", true},
    {"CATEGORY-MODE", "CW DIGI FM RTTY SSB MIXED", "", true},
    {"CATEGORY-POWER", "HIGH LOW QRP", "", true},
    {"CATEGORY-STATION",
     "DISTRIBUTED FIXED MOBILE PORTABLE ROVER ROVER-LIMITED ROVER-UNLIMITED EXPEDITION HQ "
     "SCHOOL EXPLORER",
     "", false},
    {"CATEGORY-TIME", "6-HOURS 8-HOURS 12-HOURS 24-HOURS", "", false},
    {"CATEGORY-TRANSMITTER", "ONE TWO LIMITED UNLIMITED SWL", "", false},
    {"CATEGORY-OVERLAY", "CLASSIC ROOKIE TB-WIRES YOUTH NOVICE-TECH YL", "OVER-50", false},
    {"QSO mode", "CW PH FM RY DG", "", true},
    {"QSO band", "50 70 144 222 432 902 1.2G 2.3G 3.4G 5.7G 10G 24G 47G 75G 122G 134G 241G LIGHT",
     "", true},
    // Tags that may stand on several lines (the address and soapbox lines, a long operator
    // list, one off period a line); any other tag given twice is a log a robot cannot read
    // one way when the values differ.
    {"repeatable tags", "ADDRESS SOAPBOX OPERATORS OFFTIME QSO X-QSO DEBUG", "", false},
    // Cabrillo 3.0's transmitter ID, an 11th QSO field, belongs to the logs of more than one
    // transmitter: those of a multi-operator category or of such a CATEGORY-TRANSMITTER.
    {"transmitter ID operators", "MULTI-OP", "", false},
    {"transmitter ID transmitters", "TWO LIMITED UNLIMITED", "", false},
    // The QSO modes each single-mode CATEGORY-MODE takes; MIXED takes them all. Phone is SSB
    // and FM; RTTY is a digital mode too.
    {"CATEGORY-MODE CW", "CW", "", false},
    {"CATEGORY-MODE SSB", "PH FM", "", false},
    {"CATEGORY-MODE FM", "FM", "", false},
    {"CATEGORY-MODE RTTY", "RY", "", false},
    {"CATEGORY-MODE DIGI", "DG RY", "", false},
    // This contest's own bands are the band plan's (scoring/band_plan.h), its CONTEST name the
    // one the export writes (cabrillo/contest_name.h).
};

bool inList(const char* values, const std::string& value)
{
    const std::size_t size = value.size();
    for (const char* at = values; *at != '\0';) {
        const std::size_t length = std::strcspn(at, " ");
        if (length == size) {
            std::size_t i = 0;
            while (i < size && std::toupper(static_cast<unsigned char>(value[i])) == at[i]) {
                ++i;
            }
            if (i == size) {
                return true;
            }
        }
        at += length;
        at += *at == ' ' ? 1 : 0;
    }
    return false;
}

}  // namespace

const CabrilloList* cabrilloList(const std::string& name)
{
    for (const CabrilloList& list : Lists) {
        if (name == list.name) {
            return &list;
        }
    }
    return nullptr;
}

ListMatch matchList(const CabrilloList& list, const std::string& value)
{
    if (value.empty()) {
        return ListMatch::None;
    }
    if (inList(list.current, value)) {
        return ListMatch::Current;
    }
    return inList(list.older, value) ? ListMatch::Older : ListMatch::None;
}

std::string listedValues(const CabrilloList& list)
{
    std::string text;
    for (const char* at = list.current; *at != '\0'; ++at) {
        text += *at == ' ' ? std::string(", ") : std::string(1, *at);
    }
    return text;
}
