// Field lookups of the rules.
#include "contest/crosscheck_rules.h"

int fieldIndex(const std::vector<std::string>& fields, const std::string& name)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

unsigned sameBandWindow(unsigned countsAfter)
{
    return countsAfter > 0 ? countsAfter - 1 : 0;
}
