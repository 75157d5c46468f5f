// Write/read sequences for the profile engine, shared by its own test and by the side-by-side
// run against the Windows private-profile calls, plus the file helpers both need.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/read_whole_file.h"

namespace profile_cases {

struct Step {
    bool write = false;
    std::string section;
    std::string key;
    std::string value;  // written, or the default of a read
    std::string expected;
    bool expectOk = true;
    // Windows writes such a value raw and so adds lines: the engine's refusal is expected.
    bool windowsFault = false;
};

struct Case {
    std::string name;
    std::optional<std::string> initial;  // no file when empty
    std::vector<Step> steps;
    std::optional<std::string> final;    // no file afterwards when empty
    std::string folder = {};             // a folder under the fresh one that is never made
};

inline Step write(std::string section, std::string key, std::string value, bool ok = true)
{
    return {true, std::move(section), std::move(key), std::move(value), "", ok, false};
}

inline Step refused(std::string section, std::string key, std::string value)
{
    return {true, std::move(section), std::move(key), std::move(value), "", false, true};
}

inline Step read(std::string section, std::string key, std::string defaultValue,
                 std::string expected)
{
    return {false, std::move(section), std::move(key), std::move(defaultValue),
            std::move(expected), true, false};
}

inline std::vector<Case> cases()
{
    const std::string longValue = std::string(1500, 'a') + " ; = \"" + std::string(700, 'b');
    const std::string longer = std::string(3000, 'c');
    return {
        {"new file",
         std::nullopt,
         {read("Settings", "Claimed", "0", "0"),
          write("Settings", "Claimed", "1"),
          write("Settings", "Operators", "K1ABC K2XYZ"),
          write("Other", "x", "y"),
          write("settings", "NAME", "Club"),
          write("Settings", "Address", "  Main St 1  "),
          read("SETTINGS", "claimed", "", "1"),
          read("Settings", "name", "", "Club"),
          read("Settings", "address", "", "Main St 1")},
         "[Settings]\r\nClaimed=1\r\nOperators=K1ABC K2XYZ\r\nNAME=Club\r\n"
         "Address=Main St 1  \r\n[Other]\r\nx=y\r\n"},
        {"other sections, comments and blank lines kept",
         "; settings of the plug-in\r\n\r\n[Window]\r\nLeft=10\r\n\r\n[Settings]\r\nClaimed=0\r\n"
         "; operators below\r\n\r\n\r\n[Last]\r\nz=1\r\n",
         {write("Settings", "Claimed", "1"),
          write("Settings", "Name", "AB"),
          write("Window", "Top", "5"),
          write("New", "k", "v"),
          read("Last", "z", "", "1")},
         "; settings of the plug-in\r\n\r\n[Window]\r\nLeft=10\r\nTop=5\r\n\r\n[Settings]\r\n"
         "Claimed=1\r\n; operators below\r\nName=AB\r\n\r\n\r\n[Last]\r\nz=1\r\n[New]\r\nk=v\r\n"},
        {"tidy file kept exactly",
         "[Settings]\r\n; hand note\r\nClaimed=0\r\n[Other]\r\nx=1\r\n",
         {write("Settings", "SoapBox", "Hi"), write("Other", "x", "2")},
         "[Settings]\r\n; hand note\r\nClaimed=0\r\nSoapBox=Hi\r\n[Other]\r\nx=2\r\n"},
        {"LF-only hand-written file",
         "[Settings]\nName = Old Call\nClaimed=1\n\n[Other]\nx=1\n",
         {read("settings", "name", "", "Old Call"),
          write("Settings", "Name", "New Call"),
          write("Settings", "Address", "Main St 1"),
          write("Other", "y", "2"),
          write("Extra", "e", "3"),
          read("Settings", "Address", "", "Main St 1")},
         "[Settings]\nName = New Call\nClaimed=1\nAddress=Main St 1\r\n\n[Other]\nx=1\ny=2\r\n"
         "[Extra]\r\ne=3\r\n"},
        {"no final line break, new key",
         "[Settings]\r\nClaimed=1",
         {write("Settings", "Name", "AB")},
         "[Settings]\r\nClaimed=1\r\nName=AB\r\n"},
        {"no final line break, new section",
         "[Settings]\r\nClaimed=1",
         {write("Other", "x", "1")},
         "[Settings]\r\nClaimed=1\r\n[Other]\r\nx=1\r\n"},
        {"header alone without line break",
         "[Settings]",
         {write("Settings", "k", "v")},
         "[Settings]\r\nk=v\r\n"},
        {"mixed case, first section and first key win",
         "[settings]\r\nNAME=first\r\nname=second\r\n[SETTINGS]\r\nClaimed=1\r\n",
         {read("Settings", "Name", "", "first"),
          read("Settings", "Claimed", "0", "0"),
          write("SETTINGS", "name", "changed"),
          write("Settings", "claimed", "1")},
         "[settings]\r\nNAME=changed\r\nname=second\r\nclaimed=1\r\n[SETTINGS]\r\nClaimed=1\r\n"},
        {"blanks around names and values",
         "  [ Settings ]  ; note\r\n  Name  =  x y  \r\n[Other] ; note\r\nk=\tv\t\r\n",
         {read("Settings", "Name", "", "x y"),
          read(" Settings ", " name ", "", "x y"),
          read("Other", "k", "", "v"),
          write("Settings", "Name", "z"),
          write(" Other ", " k2 ", "v2"),
          read("other", "K2", "", "v2")},
         "  [ Settings ]  ; note\r\n  Name  =  z\r\n[Other] ; note\r\nk=\tv\t\r\nk2=v2\r\n"},
        {"quotes",
         "[S]\r\na=\"x\"\r\nb='y'\r\nc=\"z'\r\nd=\"\r\ne=\"\"\r\nf=\" sp \"\r\ng=\"a\"b\"\r\n"
         "h=x\"y\"\r\n",
         {read("S", "a", "", "x"),
          read("S", "b", "", "y"),
          read("S", "c", "", "\"z'"),
          read("S", "d", "", "\""),
          read("S", "e", "-", ""),
          read("S", "f", "", " sp "),
          read("S", "g", "", "a\"b"),
          read("S", "h", "", "x\"y\""),
          write("S", "q", "\"quoted\""),
          read("S", "q", "", "quoted")},
         "[S]\r\na=\"x\"\r\nb='y'\r\nc=\"z'\r\nd=\"\r\ne=\"\"\r\nf=\" sp \"\r\ng=\"a\"b\"\r\n"
         "h=x\"y\"\r\nq=\"quoted\"\r\n"},
        {"= and ; in keys and values",
         "[S]\r\n;Claimed=commented out\r\nk=a=b;c\r\nx;y=2\r\nnoeq\r\n",
         {read("S", "Claimed", "0", "0"),
          read("S", ";Claimed", "", "commented out"),
          read("S", "k", "", "a=b;c"),
          read("S", "x;y", "", "2"),
          read("S", "noeq", "d", "d"),
          write("S", "noeq", "1"),
          write("S", "url", "http://x/?a=1;b=2"),
          write("S", "a=b", "c"),
          read("S", "a", "", "b=c"),
          read("S", "a=b", "d", "d")},
         "[S]\r\n;Claimed=commented out\r\nk=a=b;c\r\nx;y=2\r\nnoeq=1\r\n"
         "url=http://x/?a=1;b=2\r\na=b=c\r\n"},
        {"empty values",
         "[S]\r\nempty=\r\nblank=   \r\n",
         {read("S", "empty", "d", ""),
          read("S", "blank", "d", ""),
          read("S", "missing", "d", "d"),
          write("S", "new", ""),
          read("S", "new", "d", ""),
          write("S", "empty", ""),
          write("S", "blank", "x")},
         "[S]\r\nempty=\r\nblank=x\r\nnew=\r\n"},
        {"defaults as Windows returns them",
         "[S]\r\n",
         {read("S", "k", "  x  ", "  x"),
          read("S", "k", "\"q\"", "q"),
          read("S", "k", "   ", " "),
          read("T", "k", "", "")},
         "[S]\r\n"},
        {"reads leave a missing file missing",
         std::nullopt,
         {read("Settings", "Name", "none", "none")},
         std::nullopt},
        {"same value writes nothing",
         "[S]\nk = v\n",
         {write("S", "k", "v"), write("s", "K", "  v")},
         "[S]\nk = v\n"},
        {"long values",
         std::nullopt,
         {write("S", "long", longValue),
          write("S", "after", "1"),
          read("S", "long", "", longValue),
          write("S", "long", longer),
          read("S", "long", "", longer),
          read("S", "after", "", "1")},
         "[S]\r\nlong=" + longer + "\r\nafter=1\r\n"},
        {"lines before the first section",
         "Version=2\r\n[S]\r\nk=v\r\n",
         {read("", "Version", "", "2"),
          read("S", "Version", "-", "-"),
          write("", "Build", "7")},
         "Version=2\r\nBuild=7\r\n[S]\r\nk=v\r\n"},
        {"UTF-8 mark kept",
         "\xEF\xBB\xBF[S]\r\nk=1\r\n",
         {read("S", "k", "", "1"), write("S", "k2", "2")},
         "\xEF\xBB\xBF[S]\r\nk=1\r\nk2=2\r\n"},
        {"missing folder",
         std::nullopt,
         {write("Settings", "Name", "AB", false), read("Settings", "Name", "none", "none")},
         std::nullopt,
         "missing"},
        {"line breaks refused",
         "[S]\r\nk=old\r\n",
         {refused("S", "k", "a\r\nb=2"),
          refused("S", "k", "a\nb=2"),
          refused("S", "k2", "a\rb"),
          refused("S", "k\r\nb", "1"),
          refused("S]\r\n[T", "k", "1"),
          refused("S", "k", std::string("a\0b", 3)),
          read("S", "k", "", "old"),
          read("S", "b", "none", "none")},
         "[S]\r\nk=old\r\n"},
    };
}

// CR, LF and other control bytes shown as escapes so failures print on one line.
inline std::string escaped(const std::string& bytes)
{
    std::string out;
    for (const char c : bytes) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\x" + std::string(1, "0123456789abcdef"[c >> 4]) + "0123456789abcdef"[c & 15];
        } else {
            out += c;
        }
    }
    return out;
}

inline ::testing::AssertionResult sameBytes(const std::string& got, const std::string& expected)
{
    if (got == expected) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "got      \"" << escaped(got) << "\"\nexpected \""
                                         << escaped(expected) << "\"";
}

inline std::optional<std::string> fileBytes(const std::filesystem::path& path)
{
    std::string bytes;
    if (readWholeFile(path.string(), bytes) != FileRead::Read) {
        return std::nullopt;
    }
    return bytes;
}

inline void putBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A new empty folder under the system's temporary one, removed again on destruction.
class FreshFolder {
public:
    FreshFolder()
    {
        std::mt19937_64 random(static_cast<unsigned long long>(
            std::chrono::steady_clock::now().time_since_epoch().count()) ^ std::random_device{}());
        path_ = std::filesystem::temp_directory_path() /
                ("profile_test_" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~FreshFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    FreshFolder(const FreshFolder&) = delete;
    FreshFolder& operator=(const FreshFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string describe(const Case& row, std::size_t index, const Step& step)
{
    return "case \"" + row.name + "\" step " + std::to_string(index + 1) + ": " +
           (step.write ? "write" : "read") + " [" + escaped(step.section) + "] \"" +
           escaped(step.key) + "\" " + (step.write ? "value" : "default") + " \"" +
           escaped(step.value.size() > 80 ? step.value.substr(0, 80) + "..." : step.value) +
           "\"";
}

}  // namespace profile_cases
