// The PE version reader of the POSIX build against Windows' own version calls, on programs
// built by the resource compiler and on the images the unit tests build.
#include <gtest/gtest.h>

#include <string>

#include "platform/posix/pe_version.h"
#include "platform/platform.h"
#include "support/files.h"
#include "support/pe_image.h"

namespace {

TEST(PeVersionVsVersionDll, BothReadTheSameFileVersion)
{
    support::putFile("generated.exe", support::peImageWithVersion(0x00030001, 0x00040007));
    struct Row {
        const char* path;
        uint32_t ms;
        uint32_t ls;
    };
    const Row rows[] = {
        {HOST_EXE_2_20, 0x00020014, 0x00000000},
        {HOST_EXE_3_1_4, 0x00030001, 0x00040007},
        {HOST_EXE_3_0_0, 0x00030000, 0x00000000},
        {"generated.exe", 0x00030001, 0x00040007},
    };
    for (const Row& row : rows) {
        uint32_t ms = 0;
        uint32_t ls = 0;
        EXPECT_TRUE(platform::readFileVersion(row.path, ms, ls)) << row.path;
        EXPECT_EQ(ms, row.ms) << row.path;
        EXPECT_EQ(ls, row.ls) << row.path;
        uint32_t readerMs = 0;
        uint32_t readerLs = 0;
        EXPECT_TRUE(pe::readFileFixedVersion(row.path, readerMs, readerLs)) << row.path;
        EXPECT_EQ(readerMs, row.ms) << row.path;
        EXPECT_EQ(readerLs, row.ls) << row.path;
    }
}

}  // namespace
