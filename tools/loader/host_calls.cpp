// Full-length host calls into the plug-in.
#include "host_calls.h"

namespace {

const COleDateTime* hostDate(const DateRecord& date)
{
    return reinterpret_cast<const COleDateTime*>(date.bytes());
}

// A date the plug-in must never take for the contact's own.
const DateRecord& otherDate()
{
    static const DateRecord date = DateRecord::make(12345.5);
    return date;
}

int hostContactCall(decltype(&::AddData0) function, const HostContact& c)
{
    const COleDateTime* other = hostDate(otherDate());
    return function("p1", c.call.c_str(), hostDate(c.time), other, other, other, 7u,
                    c.frequencyHz, c.mode.c_str(), c.rstSent.c_str(), c.rstRcvd.c_str(),
                    c.exchSent.c_str(), c.exchRcvd.c_str(), "p14", "p15", "p16", "p17", "p18",
                    "p19", "p20", "p21", "p22", c.aux1.c_str(), 24, 25, 26, 27.5, 28.5, "p29",
                    c.aux2.c_str(), "p31", c.band.c_str(), "p33");
}

}  // namespace

DateRecord hostUtcDate(std::time_t moment)
{
    const std::tm* utc = std::gmtime(&moment);
    DateTimeParts parts;
    parts.year = utc->tm_year + 1900;
    parts.month = utc->tm_mon + 1;
    parts.day = utc->tm_mday;
    parts.hour = utc->tm_hour;
    parts.minute = utc->tm_min;
    parts.second = utc->tm_sec;
    double value = 0.0;
    makeOleDate(parts, value);
    return DateRecord::make(value);
}

int hostResetStats(const StatsPlugin& plugin, int exportCabrillo, const std::string& callsign,
                   const DateRecord& titleDate)
{
    return plugin.ResetStats0("p1", exportCabrillo, callsign.c_str(), hostDate(otherDate()),
                              hostDate(titleDate), "p6", "p7", "p8", "p9", "p10", "p11", "p12",
                              "p13", "p14", "p15", 16, 17, 18, 19.5, 20.5, "p21", "p22", "p23");
}

int hostAddData(const StatsPlugin& plugin, const HostContact& contact)
{
    return hostContactCall(plugin.AddData0, contact);
}

int hostRemoveData(const StatsPlugin& plugin, const HostContact& contact)
{
    return hostContactCall(plugin.RemoveData0, contact);
}

int hostCheckCall(const StatsPlugin& plugin, const std::string& call, const std::string& mode,
                  const std::string& band, char* warning, char* secondOutput)
{
    static char hostOwn[100] = "p27";
    char* other = secondOutput != nullptr ? secondOutput : hostOwn;
    return plugin.CheckCall0(call.c_str(), 2u, 3u, mode.c_str(), "p5", "p6", "p7", "p8", "p9",
                             "p10", "p11", "p12", "p13", "p14", 15, 16, 17, 18.5, 19.5, "p20",
                             "p21", "p22", "p23", "p24", band.c_str(), "p26", other, warning);
}
