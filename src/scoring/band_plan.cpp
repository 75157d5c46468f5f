// The ADIF band plan as one table, metre bands first as the host names them.
#include "scoring/band_plan.h"

#include <cctype>
#include <cstdint>

namespace {

struct BandEdge {
    uint64_t lowHz;
    uint64_t highHz;
    const char* adif;
};

const BandEdge BandPlan[] = {
    {135700, 137800, "2190m"},           {472000, 479000, "630m"},
    {501000, 504000, "560m"},            {1800000, 2000000, "160m"},
    {3500000, 4000000, "80m"},           {5060000, 5450000, "60m"},
    {7000000, 7300000, "40m"},           {10100000, 10150000, "30m"},
    {14000000, 14350000, "20m"},         {18068000, 18168000, "17m"},
    {21000000, 21450000, "15m"},         {24890000, 24990000, "12m"},
    {28000000, 29700000, "10m"},         {40000000, 45000000, "8m"},
    {50000000, 54000000, "6m"},          {54000001, 69900000, "5m"},
    {70000000, 71000000, "4m"},          {144000000, 148000000, "2m"},
    {222000000, 225000000, "1.25m"},     {420000000, 450000000, "70cm"},
    {902000000, 928000000, "33cm"},      {1240000000, 1300000000, "23cm"},
    {2300000000u, 2450000000u, "13cm"},  {3300000000u, 3500000000u, "9cm"},
};

// Microwave bands beyond the host's 32-bit frequencies still have a name.
const char* const HigherBands[] = {"6cm", "3cm", "1.25cm", "6mm", "4mm", "2.5mm", "2mm", "1mm",
                                   "submm"};

// The text without the blanks isspace counts around it.
std::string trimmed(const std::string& text)
{
    const char* const Space = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(Space);
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(Space) - first + 1);
}

}  // namespace

std::string hostBand(const std::string& adifBand)
{
    std::string band = trimmed(adifBand);
    for (char& c : band) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (const BandEdge& edge : BandPlan) {
        if (band == edge.adif) {
            const std::string text = edge.adif;
            const bool metres = text.size() > 2 && text.compare(text.size() - 2, 2, "cm") != 0;
            return metres ? text.substr(0, text.size() - 1) : text;
        }
    }
    for (const char* name : HigherBands) {
        if (band == name) {
            return band;
        }
    }
    return std::string();
}

std::string adifBandName(const std::string& hostBand)
{
    const bool metres =
        !hostBand.empty() && hostBand.find_first_not_of("0123456789") == std::string::npos;
    return metres ? hostBand + "m" : hostBand;
}

std::string bandOfFrequency(unsigned hz)
{
    for (const BandEdge& edge : BandPlan) {
        if (hz >= edge.lowHz && hz <= edge.highHz) {
            return hostBand(edge.adif);
        }
    }
    return std::string();
}

unsigned bandLowerEdgeHz(const std::string& band)
{
    for (const BandEdge& edge : BandPlan) {
        if (hostBand(edge.adif) == band) {
            return static_cast<unsigned>(edge.lowHz);
        }
    }
    return 0;
}

namespace {

// From the contest's rules, in the host's band text.
const char* const ContestBands[] = {"160", "80", "40", "20", "15", "10"};

}  // namespace

bool isContestBand(const std::string& hostBand)
{
    for (const char* band : ContestBands) {
        if (hostBand == band) {
            return true;
        }
    }
    return false;
}

std::string contestBandsText()
{
    std::string text;
    for (const char* band : ContestBands) {
        text += (text.empty() ? "" : ", ") + std::string(band);
    }
    return text;
}
