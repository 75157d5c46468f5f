// The profile engine against the expected reads and final file bytes of each sequence, each
// run in a fresh temporary folder.
#include "platform/posix/profile_file.h"

#include "profile_file_cases.h"

namespace {

using namespace profile_cases;

TEST(ProfileFile, SequencesGiveExpectedReadsAndBytes)
{
    for (const Case& row : cases()) {
        FreshFolder folder;
        const std::filesystem::path file =
            (folder.path() / row.folder / "x.ini").make_preferred();
        if (row.initial) {
            putBytes(file, *row.initial);
        }
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            const Step& step = row.steps[i];
            if (step.write) {
                const bool got =
                    profile::writeString(file.string(), step.section, step.key, step.value);
                EXPECT_EQ(got, step.expectOk) << describe(row, i, step);
            } else {
                const std::string got =
                    profile::readString(file.string(), step.section, step.key, step.value);
                EXPECT_TRUE(sameBytes(got, step.expected)) << describe(row, i, step);
            }
        }
        const std::optional<std::string> bytes = fileBytes(file);
        ASSERT_EQ(bytes.has_value(), row.final.has_value()) << "case \"" << row.name << "\"";
        if (bytes) {
            EXPECT_TRUE(sameBytes(*bytes, *row.final)) << "case \"" << row.name << "\"";
        }
        // Temporary files must not be left beside the settings, nor missing folders made.
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            names.push_back(entry.path().filename().string());
        }
        const std::vector<std::string> expectedNames =
            bytes ? std::vector<std::string>{"x.ini"} : std::vector<std::string>{};
        EXPECT_EQ(names, expectedNames) << "case \"" << row.name << "\"";
    }
}

TEST(ProfileFile, FolderInPlaceOfTheFileFailsAndStaysIntact)
{
    FreshFolder folder;
    const std::filesystem::path file = folder.path() / "x.ini";
    std::filesystem::create_directory(file);
    putBytes(file / "inside", "keep");

    EXPECT_FALSE(profile::writeString(file.string(), "S", "k", "v"));
    EXPECT_EQ(profile::readString(file.string(), "S", "k", "none"), "none");
    EXPECT_EQ(fileBytes(file / "inside").value_or("<gone>"), "keep");
}

TEST(ProfileFile, AKeyBeginningWithByteOrderMarkBytesReadsBackAsWritten)
{
    const std::string key = "\xEF\xBB\xBFk";
    for (const std::optional<std::string>& initial :
         {std::optional<std::string>(), std::optional<std::string>("[S]\r\nk=1\r\n")}) {
        FreshFolder folder;
        const std::filesystem::path file = folder.path() / "x.ini";
        if (initial) {
            putBytes(file, *initial);
        }
        ASSERT_TRUE(profile::writeString(file.string(), "", key, "v"));
        EXPECT_EQ(profile::readString(file.string(), "", key, "none"), "v")
            << (initial ? "before a section" : "new file");
        EXPECT_EQ(profile::readString(file.string(), "", "k", "none"), "none");
    }
}

}  // namespace
