// The POSIX settings engine on arbitrary file contents: a read, a write, and what the write must
// keep. Input: section 0x1F key 0x1F value 0x1F file contents.
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "../fuzz_check.h"
#include "../../tests/support/ini_text.h"
#include "platform/posix/profile_file.h"
#include "platform/read_whole_file.h"

namespace {

const char* const Path = "fuzz-profile.ini";

std::string readFile()
{
    std::string bytes;
    readWholeFile(Path, bytes);
    return bytes;
}

void writeFile(const std::string& bytes)
{
    std::ofstream out(Path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    fuzzCheck(static_cast<bool>(out), "the scratch file cannot be written");
}

// The file's lines, each with its break: CR LF, CR or LF.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at));
            break;
        }
        const std::size_t next = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        lines.push_back(text.substr(at, next - at));
        at = next;
    }
    return lines;
}

// What a read gives back for a written value: blanks around it and one pair of quotes go.
std::string readBack(const std::string& value)
{
    const std::string text = support::iniTrimmed(value);
    if (text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0]) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

// A name the file can hold as a key at all: not empty, no "=" that would end it, not a
// section header.
bool isKeyName(const std::string& key)
{
    const std::string name = support::iniTrimmed(key);
    return !name.empty() && name.find('=') == std::string::npos && name[0] != '[';
}

bool breaksLines(const std::string& text)
{
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

// A line kept, or the file's last line when it only gained the break it lacked.
bool sameLine(const std::string& old, const std::string& now, bool lastOfFile)
{
    if (old == now) {
        return true;
    }
    const bool unbroken = old.find_first_of("\r\n") == std::string::npos;
    return lastOfFile && unbroken && now.compare(0, old.size(), old) == 0 &&
           now.find_first_not_of("\r\n", old.size()) == std::string::npos;
}

// Every line of before, its break included, is in after, in order, but for at most one.
void checkLinesKept(const std::string& before, const std::string& after)
{
    const std::vector<std::string> old = linesOf(before);
    const std::vector<std::string> now = linesOf(after);
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() &&
           sameLine(old[prefix], now[prefix], prefix + 1 == old.size())) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           sameLine(old[old.size() - 1 - suffix], now[now.size() - 1 - suffix], suffix == 0)) {
        ++suffix;
    }
    fuzzCheck(old.size() - prefix - suffix <= 1, "the write changed more than one line",
              std::to_string(old.size() - prefix - suffix) + " lines");
}

std::string folded(const std::string& name)
{
    std::string text = support::iniTrimmed(name);
    for (char& c : text) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

// Section and key names as the file seems to hold them; a guess is good enough, since any pair
// other than the written one must read the same before and after.
std::vector<std::pair<std::string, std::string>> namesIn(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    for (const std::string& line : linesOf(text)) {
        const std::string name = support::iniTrimmed(line);
        if (!name.empty() && name[0] == '[' && name.find(']') != std::string::npos) {
            section = name.substr(1, name.rfind(']') - 1);
        } else if (names.size() < 32) {
            names.emplace_back(section, name.substr(0, name.find('=')));
        }
    }
    return names;
}

}  // namespace}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string parts[3];
    std::size_t at = 0;
    for (std::string& part : parts) {
        const std::size_t end = input.find('\x1F', at);
        if (end == std::string::npos) {
            return 0;
        }
        part = input.substr(at, end - at);
        at = end + 1;
    }
    const std::string& section = parts[0];
    const std::string& key = parts[1];
    const std::string& value = parts[2];
    const std::string before = input.substr(at);
    writeFile(before);

    profile::readString(Path, section, key, "default");
    fuzzCheck(readFile() == before, "a read changed the file");

    const bool written = profile::writeString(Path, section, key, value);
    const std::string after = readFile();
    if (breaksLines(section) || breaksLines(key) || breaksLines(value)) {
        fuzzCheck(!written, "a line break was written");
        fuzzCheck(after == before, "a refused write changed the file");
        return 0;
    }
    fuzzCheck(written, "the write failed");
    checkLinesKept(before, after);
    if (!isKeyName(key)) {
        return 0;
    }
    for (const auto& [otherSection, otherKey] : namesIn(before)) {
        if (folded(otherSection) == folded(section) && folded(otherKey) == folded(key)) {
            continue;
        }
        writeFile(before);
        const std::string old = profile::readString(Path, otherSection, otherKey, "\x01none");
        writeFile(after);
        const std::string now = profile::readString(Path, otherSection, otherKey, "\x01none");
        fuzzCheck(old == now, "the write changed another key",
                  "[" + otherSection + "] " + otherKey + ": " + old + " -> " + now);
    }
    const std::string got = profile::readString(Path, section, key, "\x01missing");
    fuzzCheck(got == readBack(value), "the written key reads back otherwise",
              "got [" + got + "] expected [" + readBack(value) + "]");
    unlink(Path);
    return 0;
}
