// The warnings use the plug-in's own points rule, so what they say a contact scores is what
// it scores.
#include "input/contact_warnings.h"

#include "scoring/band_plan.h"
#include "scoring/exchange_points.h"

namespace {

// The field a value came from: the first of the two names that holds anything.
std::string source(const AdifRecord& record, const char* preferred, const char* other)
{
    const std::string* value = record.find(preferred);
    if (value != nullptr && value->find_first_not_of(" \t\r\n") != std::string::npos) {
        return preferred;
    }
    return other;
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

}  // namespace

std::vector<std::string> contactWarnings(const AdifRecord& record, const LogContact& contact)
{
    const HostContact& host = contact.host;
    std::vector<std::string> warnings;
    const struct {
        const std::string& value;
        std::string field;
    } columns[] = {
        {host.rstSent, "RST_SENT"},
        {host.exchSent, source(record, "STX_STRING", "STX")},
        {host.rstRcvd, "RST_RCVD"},
        {host.exchRcvd, source(record, "SRX_STRING", "SRX")},
    };
    std::string missing;
    for (const auto& column : columns) {
        if (column.value.empty()) {
            missing += (missing.empty() ? "" : ", ") +
                       (column.field == "STX" ? std::string("STX_STRING")
                        : column.field == "SRX" ? std::string("SRX_STRING")
                                                : column.field);
        } else if (column.value.find_first_of(" \t") != std::string::npos) {
            warnings.push_back(column.field + " " + quoted(column.value) +
                               " holds a blank, which shifts the QSO line's later columns");
        }
    }
    if (!missing.empty()) {
        warnings.push_back("no " + missing + ": its QSO line goes without, and a robot rejects a "
                           "line short of fields");
    }
    if (host.call.find_first_of(" \t") != std::string::npos) {
        warnings.push_back("CALL " + quoted(host.call) +
                           " holds a blank, which shifts the QSO line's later columns");
    }
    const PointsText form = pointsText(host.exchRcvd);
    if (!host.exchRcvd.empty() && form != PointsText::Plain) {
        const int32_t points = exchangePoints(host.exchRcvd);
        warnings.push_back(columns[3].field + " " + quoted(host.exchRcvd) +
                           (form == PointsText::BeyondRange
                                ? " is beyond the points a contact can hold"
                                : " is not a plain integer") +
                           "; it scores " + std::to_string(points) +
                           (points == 1 ? " point" : " points"));
    }
    // Other bands still count, as the host counts them.
    if (!isContestBand(host.band)) {
        warnings.push_back("band " + host.band + " is not one of this contest's (" +
                           contestBandsText() + " m); counted all the same, as the host counts it");
    }
    return warnings;
}
