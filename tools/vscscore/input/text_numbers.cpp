#include "input/text_numbers.h"

uint32_t TextNumbers::number(const std::string& text)
{
    // try_emplace makes no node for a text already numbered: nearly every call.
    const auto found = numbers_.try_emplace(text, static_cast<uint32_t>(texts_.size()));
    if (found.second) {
        texts_.push_back(text);
    }
    return found.first->second;
}
