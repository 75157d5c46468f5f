// Reads the one key back from Plugins/VESTAR.ini, ini rules: sections and keys in any case,
// blanks around them ignored, the first key of the first such section counts.
#include "claimed_setting.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace {

std::string trimmedLower(const std::string& text)
{
    const char* const Blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    std::string value = text.substr(first, text.find_last_not_of(Blanks) - first + 1);
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return value;
}

}  // namespace

bool claimedScoreSaved(const std::string& claimed)
{
    std::error_code ignored;
    if (!std::filesystem::is_directory("Plugins", ignored)) {
        return true;
    }
    std::string saved;
    return savedClaimedScore(saved) && trimmedLower(saved) == claimed;
}

bool savedClaimedScore(std::string& claimed)
{
    std::ifstream settings("Plugins/VESTAR.ini", std::ios::binary);
    bool inSection = false;
    std::string line;
    while (std::getline(settings, line)) {
        const std::string text = trimmedLower(line);
        if (!text.empty() && text.front() == '[') {
            inSection = text == "[settings]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inSection && equals != std::string::npos &&
            trimmedLower(line.substr(0, equals)) == "claimed") {
            claimed = trimmedLower(line.substr(equals + 1));
            return true;
        }
    }
    return false;
}
