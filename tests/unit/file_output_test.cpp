// Output files of the platform seam: a failure at any step leaves the old file whole and
// nothing beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "support/files.h"

namespace {

namespace fs = std::filesystem;

class FileOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all("out");
        fs::create_directory("out");
    }
    void TearDown() override
    {
        platform::failNthFileStep(0);
        fs::remove_all("out");
    }
};

TEST_F(FileOutput, EachFailingStepLeavesTheOldFileAndNoLeftover)
{
    const std::string before = "old\r\n";
    const std::string after(10000, 'n');  // three pieces of 4096 bytes
    bool succeeded = false;
    for (unsigned n = 1; !succeeded && n < 20; ++n) {
        support::putFile("out/log.cbr", before);
        platform::failNthFileStep(n);
        succeeded = platform::writeWholeFile("out\\log.cbr", after);
        platform::failNthFileStep(0);
        EXPECT_EQ(support::fileText("out/log.cbr"), succeeded ? after : before) << "step " << n;
        EXPECT_EQ(support::folderEntries("out"), 1u) << "step " << n;
    }
    EXPECT_TRUE(succeeded) << "no step count let the write through";
}

TEST_F(FileOutput, ATargetThatIsAFolderOrInAMissingFolderIsRefused)
{
    fs::create_directory("out/log.cbr");
    EXPECT_FALSE(platform::writeWholeFile("out\\log.cbr", "x"));
    EXPECT_TRUE(fs::is_directory("out/log.cbr"));
    EXPECT_FALSE(platform::writeWholeFile("out\\missing\\log.cbr", "x"));
    EXPECT_EQ(support::folderEntries("out"), 1u);
}

TEST_F(FileOutput, ReplacesAnExistingFileAndCreatesANewOne)
{
    support::putFile("out/a.cbr", "old");
    EXPECT_TRUE(platform::writeWholeFile("out\\a.cbr", "new\r\n"));
    EXPECT_TRUE(platform::writeWholeFile("out\\b.cbr", ""));
    EXPECT_EQ(support::fileText("out/a.cbr"), "new\r\n");
    EXPECT_TRUE(fs::exists("out/b.cbr"));
    EXPECT_EQ(support::fileText("out/b.cbr"), "");
}

}  // namespace
