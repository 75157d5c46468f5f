// Numbers are told apart from names by a high bit, so that no number equals a name's id.
#include "crosscheck/field_values.h"

namespace {

constexpr uint64_t NumberBit = uint64_t{1} << 63;
constexpr std::size_t LongestNumber = 18;  // digits that fit below NumberBit

bool numberOf(std::string_view text, uint64_t& value)
{
    if (text.empty() || text.size() > LongestNumber) {
        return false;
    }
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return true;
}

}  // namespace

FieldValues::FieldValues(const Names& names) : values_(names.size() + 1)
{
    // size() counts the empty text too: every id is below it.
    for (NameId id = 0; id < names.size(); ++id) {
        uint64_t number = 0;
        values_[id] = numberOf(names.text(id), number) ? (NumberBit | number) : id;
    }
}

std::vector<CheckedField> checkedFields(const CrosscheckRules& rules)
{
    std::vector<CheckedField> checked;
    for (const std::string& name : rules.check) {
        const int got = fieldIndex(rules.received, name);
        const int sent = fieldIndex(rules.sent, name);
        if (got >= 0 && sent >= 0) {
            checked.push_back({rules.sent.size() + static_cast<std::size_t>(got),
                               static_cast<std::size_t>(sent)});
        }
    }
    return checked;
}

bool exchangesAgree(const FieldValues& values, const std::vector<CheckedField>& checked,
                    const LogInput& mine, const QsoInput& a, const LogInput& theirs,
                    const QsoInput& b)
{
    for (const CheckedField& field : checked) {
        if (!values.same(mine.fields[a.fieldsAt + field.received],
                         theirs.fields[b.fieldsAt + field.sent]) ||
            !values.same(theirs.fields[b.fieldsAt + field.received],
                         mine.fields[a.fieldsAt + field.sent])) {
            return false;
        }
    }
    return true;
}
