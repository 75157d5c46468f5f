// File base name: "/" and "\" become "_", blanks around it go, and anything that would make
// Windows put the file elsewhere than a plain file of the current folder is disarmed.
#include "cabrillo/file_base.h"

#include <algorithm>
#include <cctype>

#include "cabrillo/cabrillo_writer.h"

namespace {

const char* const Blanks = " \t\n\v\f\r";

bool isRefusedCharacter(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F || std::string("<>:\"|?*").find(c) != std::string::npos;
}

bool isDeviceName(std::string name)
{
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (name == "CON" || name == "PRN" || name == "AUX" || name == "NUL") {
        return true;
    }
    const bool numbered = name.compare(0, 3, "COM") == 0 || name.compare(0, 3, "LPT") == 0;
    return numbered && name.size() == 4 && name[3] >= '1' && name[3] <= '9';
}

}  // namespace

std::string cabrilloFileBase(const std::string& callsign)
{
    std::string base = CCabrilloWriter::ReplaceAll(callsign, "/", "_");
    base = CCabrilloWriter::ReplaceAll(base, "\\", "_");
    base.erase(0, base.find_first_not_of(Blanks));
    base.erase(base.find_last_not_of(Blanks) + 1);
    for (char& c : base) {
        if (isRefusedCharacter(c)) {
            c = '_';
        }
    }
    if (base.empty()) {
        return "QQLOG";
    }
    // Windows takes "CON", "con.x" and "CON .x" alike for the device: what counts is the part
    // before the first dot, without its trailing blanks.
    const std::string::size_type stemEnd = std::min(base.find('.'), base.size());
    if (stemEnd == 0) {
        return base;
    }
    const std::string::size_type nameEnd = base.find_last_not_of(' ', stemEnd - 1) + 1;
    if (isDeviceName(base.substr(0, nameEnd))) {
        base.insert(nameEnd, "_");
    }
    return base;
}
