// Exchange fields as they are compared: a number written with leading zeros ("005", "05") is
// the number, every other text is itself.
#pragma once

#include <cstdint>
#include <vector>

#include "contest/crosscheck_rules.h"
#include "contest/log_set.h"

class FieldValues {
public:
    explicit FieldValues(const Names& names);

    // Equal for texts that compare equal: the same text, or digits of the same number.
    uint64_t value(NameId id) const { return values_[id]; }
    bool same(NameId a, NameId b) const { return a == b || values_[a] == values_[b]; }

private:
    std::vector<uint64_t> values_;
};

// The checked fields: each one's place among a line's received fields, and among its sent ones.
struct CheckedField {
    std::size_t received;  // counted from the line's first sent field
    std::size_t sent;
};
std::vector<CheckedField> checkedFields(const CrosscheckRules& rules);

// Whether what each line received is what the other line sent, in every checked field.
bool exchangesAgree(const FieldValues& values, const std::vector<CheckedField>& checked,
                    const LogInput& mine, const QsoInput& a, const LogInput& theirs,
                    const QsoInput& b);
