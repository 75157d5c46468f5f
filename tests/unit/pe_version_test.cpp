// The PE version reader of the POSIX build on images built here: the versions it must find,
// and damaged images, which it must refuse without reading past their bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/pe_version.h"
#include "support/pe_image.h"

namespace {

using support::PeLayout;

bool readVersion(const std::string& image, uint32_t& ms, uint32_t& ls)
{
    // A copy of exactly the bytes, so a read past them stands out under a checker.
    const std::vector<unsigned char> bytes(image.begin(), image.end());
    return pe::readFixedFileVersion(bytes.data(), bytes.size(), ms, ls);
}

TEST(PeVersion, ReadsTheFileVersionOfTheFixedFileInformation)
{
    const uint32_t rows[][2] = {
        {0x00020014, 0x00000000}, {0x00030001, 0x00040007}, {0xFFFFFFFF, 0x89ABCDEF}};
    for (const auto& row : rows) {
        uint32_t ms = 0;
        uint32_t ls = 0;
        EXPECT_TRUE(readVersion(support::peImageWithVersion(row[0], row[1]), ms, ls));
        EXPECT_EQ(ms, row[0]);
        EXPECT_EQ(ls, row[1]);
    }
}

TEST(PeVersion, ATruncatedImageIsRefusedUntilTheFixedInformationIsWhole)
{
    const std::string image = support::peImageWithVersion(0x00020014, 0);
    const std::size_t needed = PeLayout::VersionBlock + PeLayout::VersionBlockSize;
    for (std::size_t size = 0; size <= image.size(); ++size) {
        uint32_t ms = 7;
        uint32_t ls = 7;
        const bool read = readVersion(image.substr(0, size), ms, ls);
        EXPECT_EQ(read, size >= needed) << "size " << size;
        EXPECT_EQ(ms, read ? 0x00020014u : 7u) << "size " << size;
    }
}

TEST(PeVersion, DamagedStructuresAreRefused)
{
    struct Row {
        const char* what;
        std::size_t offset;
        uint32_t value;
        bool wide;
    };
    using L = PeLayout;
    const Row rows[] = {
        {"no MZ", 0, 0x4D5A, false},
        {"PE header beyond the file", 0x3C, 0xFFFFFFF0u, true},
        {"no PE signature", L::PeHeader, 0x00004551, true},
        {"unknown optional header", L::OptionalHeader, 0x10C, false},
        {"too few data directories", L::OptionalHeader + 92, 2, true},
        {"optional header too small for the directory", L::PeHeader + 20, 100, false},
        {"no resource directory", L::OptionalHeader + 112, 0, true},
        {"resource directory outside every section", L::OptionalHeader + 112, 0x5000, true},
        {"sections beyond the file", L::PeHeader + 6, 0xFFFF, false},
        {"raw data beyond the file", L::SectionHeader + 20, 0xFFFFFF00u, true},
        {"section wraps the address space", L::SectionHeader + 12, 0xFFFFFF00u, true},
        {"no version type", L::Resources + 16, 6, true},
        {"version type by name", L::Resources + 16, 0x80000010u, true},
        {"version leads to data too early", L::Resources + 20, 0x18, true},
        {"directory offset out of the section", L::Resources + 20, 0x8000FFF0u, true},
        {"entry count beyond the section", L::Resources + 14, 0xFFFF, false},
        {"no id 1", L::Resources + 0x18 + 16, 2, true},
        {"language leads to a directory", L::Resources + 0x30 + 20, 0x80000048u, true},
        {"block outside every section", L::DataEntry, 0x7FFFFFF0u, true},
        {"block size beyond the section", L::DataEntry + 4, 0xFFFFFFFFu, true},
        {"block longer than its entry says", L::VersionBlock, 200, false},
        {"block too short for the fixed information", L::VersionBlock, 91, false},
        {"value too short", L::VersionBlock + 2, 51, false},
        {"another key", L::VersionBlock + 6, 'W', false},
        {"no signature", L::VersionBlock + 40, 0xFEEF04BC, true},
    };
    for (const Row& row : rows) {
        std::string image = support::peImageWithVersion(0x00020014, 0);
        if (row.wide) {
            support::putU32(image, row.offset, row.value);
        } else {
            support::putU16(image, row.offset, row.value);
        }
        uint32_t ms = 7;
        uint32_t ls = 7;
        EXPECT_FALSE(readVersion(image, ms, ls)) << row.what;
        EXPECT_EQ(ms, 7u) << row.what;
    }
}

TEST(PeVersion, AFileThatCannotBeReadGivesNoVersion)
{
    uint32_t ms = 7;
    uint32_t ls = 7;
    EXPECT_FALSE(pe::readFileFixedVersion("no such file.exe", ms, ls));
    EXPECT_FALSE(pe::readFileFixedVersion(".", ms, ls));
    EXPECT_EQ(ms, 7u);
}

}  // namespace
