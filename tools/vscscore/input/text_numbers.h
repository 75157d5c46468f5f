// Small numbers for texts that repeat across a log (callsigns, bands, modes), so that a
// million contacts hold a number each rather than a string.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class TextNumbers {
public:
    // The same number for the same text, from 0 in the order first given.
    uint32_t number(const std::string& text);
    const std::string& text(uint32_t number) const { return texts_[number]; }

private:
    std::unordered_map<std::string, uint32_t> numbers_;
    std::vector<std::string> texts_;
};
