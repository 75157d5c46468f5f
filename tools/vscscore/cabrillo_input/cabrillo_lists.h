// The Cabrillo 3.0 tags and value lists that a contest sponsor's robot checks a log against.
#pragma once

#include <string>

struct CabrilloList {
    const char* name;     // a header tag, or "tags", "QSO mode", "QSO band", a rule's values
    const char* current;  // the values, blank-separated
    const char* older;    // values that only earlier versions of the list have
    bool required;        // the tag, when present, needs a value
};

enum class ListMatch { Current, Older, None };

// The list of that name, or null.
const CabrilloList* cabrilloList(const std::string& name);

// Where the value stands in the list, letter case not counted.
ListMatch matchList(const CabrilloList& list, const std::string& value);

// "HIGH, LOW, QRP": the current values, for a message.
std::string listedValues(const CabrilloList& list);
