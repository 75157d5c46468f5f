// Interned texts (calls, exchange fields, bands, modes): each distinct text stored once and
// named by a small number, so that millions of QSO lines compare numbers, not strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using NameId = uint32_t;
constexpr NameId NoName = 0;  // the empty text

class Names {
public:
    Names();
    NameId intern(std::string_view text);
    // NoName when the text was never interned.
    NameId find(std::string_view text) const;
    std::string_view text(NameId id) const;
    std::size_t size() const { return offsets_.size() - 1; }

private:
    void grow();

    std::string arena_;
    std::vector<uint32_t> offsets_;  // text id spans offsets_[id] .. offsets_[id + 1]
    std::vector<NameId> slots_;      // open addressing; 0 is free (the empty text is not held)
};
