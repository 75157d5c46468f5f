// The host version of the CREATED-BY line: its format, and which executable gives it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cabrillo/host_version.h"
#include "support/files.h"
#include "support/pe_image.h"

namespace {

namespace fs = std::filesystem;

TEST(HostVersion, TwoNumbersForMajorTwoElseThree)
{
    struct Row {
        uint32_t ms;
        uint32_t ls;
        const char* expected;
    };
    const Row rows[] = {
        {0x00020014, 0x00000000, "2.20"},    {0x00020014, 0x00050006, "2.20"},
        {0x00030001, 0x00040007, "3.1.4"},   {0x00030000, 0x00000000, "3.0.0"},
        {0x00010002, 0x00030004, "1.2.3"},   {0xFFFFFFFF, 0xFFFF0000, "65535.65535.65535"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(formatHostVersion(row.ms, row.ls), row.expected) << std::hex << row.ms;
    }
}

class HostExecutables : public ::testing::Test {
protected:
    void TearDown() override
    {
        fs::remove_all("Ravo2.exe");
        fs::remove_all("Ravo3.exe");
    }
    static void putExe(const char* name, uint32_t ms, uint32_t ls)
    {
        support::putFile(name, support::peImageWithVersion(ms, ls));
    }
};

TEST_F(HostExecutables, Ravo2WhenItOpensElseRavo3ElseNothing)
{
    struct Row {
        const char* what;
        const char* ravo2;  // "exe", "text", "folder" or nothing
        bool ravo3;
        const char* expected;
    };
    const Row rows[] = {
        {"both", "exe", true, "2.20"},
        {"Ravo2 only", "exe", false, "2.20"},
        {"Ravo3 only", nullptr, true, "3.1.4"},
        {"neither", nullptr, false, ""},
        {"Ravo2 without a version is still the one chosen", "text", true, ""},
        {"a folder named Ravo2.exe does not open", "folder", true, "3.1.4"},
    };
    for (const Row& row : rows) {
        TearDown();
        const std::string ravo2 = row.ravo2 != nullptr ? row.ravo2 : "";
        if (ravo2 == "exe") {
            putExe("Ravo2.exe", 0x00020014, 0x00000000);
        } else if (ravo2 == "text") {
            support::putFile("Ravo2.exe", "not a program");
        } else if (ravo2 == "folder") {
            fs::create_directory("Ravo2.exe");
        }
        if (row.ravo3) {
            putExe("Ravo3.exe", 0x00030001, 0x00040007);
        }
        EXPECT_EQ(hostVersionText(), row.expected) << row.what;
    }
}

}  // namespace
