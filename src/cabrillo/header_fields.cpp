// The table of header fields.
#include "cabrillo/header_fields.h"

#include <algorithm>

#include "cabrillo/header_dialog_ids.h"

const std::vector<HeaderField>& headerFields()
{
    using W = CCabrilloWriter;
    using T = platform::HeaderDialogTexts;
    using K = platform::ControlKind;
    using S = HeaderSource;
    // clang-format off
    static const std::vector<HeaderField> fields = {
        {&W::Contest, {IDC_CONTEST, "CONTEST", K::Edit, {}, &T::contest, 5},
         S::Fixed, "VSC", true, "Contest", 8, nullptr, 0, false, false},
        {&W::Callsign, {IDC_CALLSIGN, "CALLSIGN", K::Edit, {}, &T::callsign, 1},
         S::Argument, nullptr, true, nullptr, 0, "CALLSIGN", 3, false, false},
        {&W::Claimed, {IDC_CLAIMED, "CLAIMED", K::Edit, {}, &T::claimed, 2},
         S::Setting, ClaimedScoreKey, false, nullptr, 0, nullptr, 0, false, false},
        {&W::CategoryOperator, {IDC_CATEGORY_OPERATOR, "CATEGORY-OPERATOR", K::Combo,
                                {"SINGLE-OP", "MULTI-OP"}, &T::categoryOperator, 4},
         S::Fixed, "SINGLE-OP", true, "Category", 7, "CATEGORY-OPERATOR", 4, false, false},
        {&W::CategoryBand, {IDC_CATEGORY_BAND, "CATEGORY-BAND", K::Combo, {"ALL", ""},
                            &T::categoryBand, 11},
         S::Fixed, "ALL", true, nullptr, 0, "CATEGORY-BAND", 5, false, false},
        {&W::CategoryPower, {IDC_CATEGORY_POWER, "CATEGORY-POWER", K::Combo, {"HIGH", "LOW"},
                             &T::categoryPower, 13},
         S::Fixed, "HIGH", true, nullptr, 0, "CATEGORY-POWER", 6, false, false},
        {&W::CategoryMode, {IDC_CATEGORY_MODE, "CATEGORY-MODE", K::Combo, {"CW", "SSB", "MIXED"},
                            &T::categoryMode, 12},
         S::Fixed, "CW", true, nullptr, 0, "CATEGORY-MODE", 7, false, false},
        {&W::CategoryOverlay, {IDC_CATEGORY_OVERLAY, "CATEGORY-OVERLAY", K::Combo, {"OVER-50"},
                               &T::categoryOverlay, 17},
         S::Kept, nullptr, true, nullptr, 0, "CATEGORY-OVERLAY", 8, false, false},
        {&W::Name, {IDC_NAME, "NAME", K::Edit, {}, &T::name, 7},
         S::Setting, "Name", true, "Name", 2, "NAME", 12, false, false},
        {&W::Address, {IDC_ADDRESS, "ADDRESS", K::Edit, {}, &T::address, 10},
         S::Setting, "Address", true, "Address", 3, "ADDRESS", 13, true, false},
        {&W::AddressCity, {IDC_ADDRESS_CITY, "ADDRESS-CITY", K::Edit, {}, &T::addressCity, 16},
         S::Setting, "Address-City", true, "Address-City", 4, "ADDRESS-CITY", 14, false, false},
        {&W::AddressPostalCode, {IDC_ADDRESS_POSTALCODE, "ADDRESS-POSTALCODE", K::Edit, {},
                                 &T::addressPostalCode, 14},
         S::Setting, "Address-PostalCode", true, "Address-PostalCode", 5, "ADDRESS-POSTALCODE", 15,
         false, false},
        {&W::AddressCountry, {IDC_ADDRESS_COUNTRY, "ADDRESS-COUNTRY", K::Edit, {},
                              &T::addressCountry, 15},
         S::Setting, "Address-Country", true, "Address-Country", 6, "ADDRESS-COUNTRY", 16,
         false, false},
        {&W::Operators, {IDC_OPERATORS, "OPERATORS", K::Edit, {}, &T::operators, 8},
         S::SettingOrArgument, "Operators", true, "Operators", 1, "OPERATORS", 17, false, false},
        {&W::Club, {IDC_CLUB, "CLUB", K::Edit, {}, &T::club, 3},
         S::Setting, "Club", true, "Club", 10, "CLUB", 10, false, false},
        {&W::SoapBox, {IDC_SOAPBOX, "SOAPBOX", K::Lines, {}, &T::soapBox, 9},
         S::Setting, "SoapBox", true, "SoapBox", 11, "SOAPBOX", 19, true, true},
        {&W::Email, {IDC_EMAIL, "E-MAIL", K::Edit, {}, &T::email, 6},
         S::Setting, "Email", true, "Email", 9, "EMAIL", 18, false, false},
    };
    // clang-format on
    return fields;
}

std::vector<const HeaderField*> headerFieldsBy(int HeaderField::*rank)
{
    std::vector<const HeaderField*> rows;
    for (const HeaderField& field : headerFields()) {
        if (field.*rank != 0) {
            rows.push_back(&field);
        }
    }
    std::sort(rows.begin(), rows.end(),
              [rank](const HeaderField* a, const HeaderField* b) { return a->*rank < b->*rank; });
    return rows;
}

const platform::HeaderDialogLayout& headerDialogLayout()
{
    static const platform::HeaderDialogLayout layout = [] {
        platform::HeaderDialogLayout made{IDD_CABRILLO, "VSC", {}};
        for (const HeaderField& field : headerFields()) {
            made.controls.push_back(field.control);
        }
        return made;
    }();
    return layout;
}
