// Runs each profile sequence through the engine and through the real private-profile calls,
// on separate files starting from the same bytes, and compares every result and the files.
#include "platform/posix/profile_file.h"

#include "../unit/profile_file_cases.h"
#include "support/ini_text.h"

#include <windows.h>

namespace {

using namespace profile_cases;

// kernel32 under Wine saves the whole file from its parsed copy: blank lines go, names and
// values lose their surrounding blanks and every line ends CR LF. Windows edits the text in
// place, as the engine does, so untidy files are compared in the form Wine saves them.
std::string savedLikeWine(const std::string& bytes)
{
    const std::string bom = "\xEF\xBB\xBF";
    const bool marked = bytes.compare(0, bom.size(), bom) == 0;
    std::string out = marked ? bom : "";
    std::size_t at = marked ? bom.size() : 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", at);
        end = end == std::string::npos ? bytes.size() : end;
        const std::string line = support::iniTrimmed(bytes.substr(at, end - at));
        at = end + 1;
        const std::size_t close = line.rfind(']');
        const std::size_t equals = line.find('=');
        if (line.empty()) {
            continue;
        }
        if (line[0] == '[' && close != std::string::npos && close > 0) {
            out += "[" + support::iniTrimmed(line.substr(1, close - 1)) + "]";
        } else if (equals != std::string::npos) {
            out += support::iniTrimmed(line.substr(0, equals)) + "=" +
                   support::iniTrimmed(line.substr(equals + 1));
        } else {
            out += line;
        }
        out += "\r\n";
    }
    return out;
}

std::string kernel32Read(const std::string& path, const Step& step)
{
    std::vector<char> buffer(1 << 16);
    const DWORD size = GetPrivateProfileStringA(step.section.c_str(), step.key.c_str(),
                                                step.value.c_str(), buffer.data(),
                                                static_cast<DWORD>(buffer.size()), path.c_str());
    return std::string(buffer.data(), size);
}

TEST(ProfileFileVsKernel32, SameReadsWritesAndFiles)
{
    for (const Case& row : cases()) {
        FreshFolder folder;
        // Full paths: kernel32 puts a bare file name in the Windows folder.
        const std::filesystem::path base = (folder.path() / row.folder).make_preferred();
        const std::string engineFile = (base / "engine.ini").string();
        const std::string windowsFile = (base / "kernel32.ini").string();
        if (row.initial) {
            putBytes(engineFile, *row.initial);
            putBytes(windowsFile, *row.initial);
        }
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            const Step& step = row.steps[i];
            if (step.write && step.windowsFault) {
                // kernel32 writes a line break or a cut value raw, adding or changing lines;
                // the engine must refuse and leave its file alone instead.
                const std::optional<std::string> before = fileBytes(engineFile);
                EXPECT_FALSE(profile::writeString(engineFile, step.section, step.key, step.value))
                    << describe(row, i, step);
                EXPECT_TRUE(sameBytes(fileBytes(engineFile).value_or("<none>"),
                                      before.value_or("<none>")))
                    << describe(row, i, step);
            } else if (step.write) {
                const bool got =
                    profile::writeString(engineFile, step.section, step.key, step.value);
                const bool expected = WritePrivateProfileStringA(
                                          step.section.c_str(), step.key.c_str(),
                                          step.value.c_str(), windowsFile.c_str()) != FALSE;
                EXPECT_EQ(got, expected) << describe(row, i, step);
            } else {
                const std::string got =
                    profile::readString(engineFile, step.section, step.key, step.value);
                EXPECT_TRUE(sameBytes(got, kernel32Read(windowsFile, step)))
                    << describe(row, i, step);
            }
        }
        const std::optional<std::string> got = fileBytes(engineFile);
        const std::optional<std::string> expected = fileBytes(windowsFile);
        ASSERT_EQ(got.has_value(), expected.has_value()) << "case \"" << row.name << "\"";
        if (!got) {
            continue;
        }
        const bool tidy = !row.initial || savedLikeWine(*row.initial) == *row.initial;
        if (tidy) {
            EXPECT_TRUE(sameBytes(*got, *expected)) << "case \"" << row.name << "\"";
        } else {
            EXPECT_TRUE(sameBytes(savedLikeWine(*got), savedLikeWine(*expected)))
                << "case \"" << row.name << "\" (files compared as Wine saves them)";
        }
    }
}

}  // namespace
