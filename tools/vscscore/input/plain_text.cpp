#include "input/plain_text.h"

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

std::string trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return std::string();
    }
    return std::string(text.substr(first, text.find_last_not_of(Blanks) - first + 1));
}

bool digitsOnly(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int digitsValue(std::string_view digits)
{
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

bool wholeNumber(std::string_view text, unsigned low, unsigned high, unsigned& value)
{
    if (!digitsOnly(text) || text.size() > 6) {
        return false;
    }
    const auto number = static_cast<unsigned>(digitsValue(text));
    if (number < low || number > high) {
        return false;
    }
    value = number;
    return true;
}
