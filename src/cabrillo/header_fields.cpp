// The table of header fields.
#include "cabrillo/header_fields.h"

const std::vector<HeaderField>& headerFields()
{
    using W = CCabrilloWriter;
    using T = platform::HeaderDialogTexts;
    using S = HeaderSource;
    // "Category" is saved before "Contest"; neither is read back.
    static const std::vector<HeaderField> fields = {
        {&W::Callsign, S::Argument, nullptr, &T::callsign, true, nullptr, nullptr, false},
        {&W::Operators, S::SettingOrArgument, "Operators", &T::operators, true, "Operators",
         nullptr, false},
        {&W::Name, S::Setting, "Name", &T::name, true, "Name", nullptr, false},
        {&W::Address, S::Setting, "Address", &T::address, true, "Address", "ADDRESS", false},
        {&W::AddressCity, S::Setting, "Address-City", &T::addressCity, true, "Address-City",
         nullptr, false},
        {&W::AddressPostalCode, S::Setting, "Address-PostalCode", &T::addressPostalCode, true,
         "Address-PostalCode", nullptr, false},
        {&W::AddressCountry, S::Setting, "Address-Country", &T::addressCountry, true,
         "Address-Country", nullptr, false},
        {&W::Claimed, S::Setting, "Claimed", &T::claimed, false, nullptr, nullptr, false},
        {&W::CategoryOperator, S::Fixed, "SINGLE-OP", &T::categoryOperator, true, "Category",
         nullptr, false},
        {&W::Contest, S::Fixed, "VSC", &T::contest, true, "Contest", nullptr, false},
        {&W::CategoryBand, S::Fixed, "ALL", &T::categoryBand, true, nullptr, nullptr, false},
        {&W::CategoryPower, S::Fixed, "HIGH", &T::categoryPower, true, nullptr, nullptr, false},
        {&W::CategoryMode, S::Fixed, "CW", &T::categoryMode, true, nullptr, nullptr, false},
        {&W::CategoryOverlay, S::Kept, nullptr, &T::categoryOverlay, true, nullptr, nullptr,
         false},
        {&W::Email, S::Setting, "Email", &T::email, true, "Email", nullptr, false},
        {&W::Club, S::Setting, "Club", &T::club, true, "Club", nullptr, false},
        {&W::SoapBox, S::Setting, "SoapBox", &T::soapBox, true, "SoapBox", "SOAPBOX", true},
    };
    return fields;
}
