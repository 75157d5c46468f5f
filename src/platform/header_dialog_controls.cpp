// The header dialog's controls; the Win32 template places the same ids, labels and items.
#include "platform/header_dialog_controls.h"

#include <cctype>

#include "platform/header_dialog_ids.h"

namespace platform {

const std::vector<HeaderControl>& headerControls()
{
    using T = HeaderDialogTexts;
    using K = ControlKind;
    static const std::vector<HeaderControl> controls = {
        {IDC_CONTEST, "CONTEST", &T::contest, K::Edit, {}},
        {IDC_CALLSIGN, "CALLSIGN", &T::callsign, K::Edit, {}},
        {IDC_CLAIMED, "CLAIMED", &T::claimed, K::Edit, {}},
        {IDC_CATEGORY_OPERATOR, "CATEGORY-OPERATOR", &T::categoryOperator, K::Combo,
         {"SINGLE-OP", "MULTI-OP"}},
        {IDC_CATEGORY_BAND, "CATEGORY-BAND", &T::categoryBand, K::Combo, {"ALL", ""}},
        {IDC_CATEGORY_POWER, "CATEGORY-POWER", &T::categoryPower, K::Combo, {"HIGH", "LOW"}},
        {IDC_CATEGORY_MODE, "CATEGORY-MODE", &T::categoryMode, K::Combo, {"CW", "SSB", "MIXED"}},
        {IDC_CATEGORY_OVERLAY, "CATEGORY-OVERLAY", &T::categoryOverlay, K::Combo, {"OVER-50"}},
        {IDC_NAME, "NAME", &T::name, K::Edit, {}},
        {IDC_ADDRESS, "ADDRESS", &T::address, K::Edit, {}},
        {IDC_ADDRESS_CITY, "ADDRESS-CITY", &T::addressCity, K::Edit, {}},
        {IDC_ADDRESS_POSTALCODE, "ADDRESS-POSTALCODE", &T::addressPostalCode, K::Edit, {}},
        {IDC_ADDRESS_COUNTRY, "ADDRESS-COUNTRY", &T::addressCountry, K::Edit, {}},
        {IDC_OPERATORS, "OPERATORS", &T::operators, K::Edit, {}},
        {IDC_CLUB, "CLUB", &T::club, K::Edit, {}},
        {IDC_SOAPBOX, "SOAPBOX", &T::soapBox, K::Lines, {}},
        {IDC_EMAIL, "E-MAIL", &T::email, K::Edit, {}},
    };
    return controls;
}

namespace {

bool beginsWithIgnoringCase(const std::string& item, const std::string& prefix)
{
    if (prefix.size() > item.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto a = static_cast<unsigned char>(item[i]);
        const auto b = static_cast<unsigned char>(prefix[i]);
        if (std::tolower(a) != std::tolower(b)) {
            return false;
        }
    }
    return true;
}

int matchingItem(const HeaderControl& control, const std::string& text)
{
    if (control.kind != ControlKind::Combo || text.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < control.items.size(); ++i) {
        if (beginsWithIgnoringCase(control.items[i], text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

std::string startingText(const HeaderControl& control, const std::string& text)
{
    const int item = matchingItem(control, text);
    return item >= 0 ? control.items[static_cast<std::size_t>(item)] : text;
}

}  // namespace platform
