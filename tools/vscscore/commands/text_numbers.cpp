#include "text_numbers.h"

uint32_t TextNumbers::number(const std::string& text)
{
    const auto found = numbers_.emplace(text, static_cast<uint32_t>(texts_.size()));
    if (found.second) {
        texts_.push_back(text);
    }
    return found.first->second;
}
