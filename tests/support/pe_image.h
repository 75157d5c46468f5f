// Minimal 32-bit PE images for tests: headers, one resource section and a version resource
// whose fixed file information carries the given file version.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace support {

// Offsets of the parts of the image, for tests that damage one of them.
struct PeLayout {
    static constexpr std::size_t PeHeader = 0x40;
    static constexpr std::size_t OptionalHeader = PeHeader + 24;
    static constexpr std::size_t SectionHeader = OptionalHeader + 224;
    static constexpr std::size_t Resources = 0x200;  // the section's file data
    static constexpr std::size_t DataEntry = Resources + 0x48;
    static constexpr std::size_t VersionBlock = Resources + 0x58;
    static constexpr std::size_t VersionBlockSize = 92;
};

inline void putU16(std::string& image, std::size_t offset, uint32_t value)
{
    image[offset] = static_cast<char>(value & 0xFF);
    image[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

inline void putU32(std::string& image, std::size_t offset, uint32_t value)
{
    putU16(image, offset, value & 0xFFFF);
    putU16(image, offset + 2, value >> 16);
}

// major.minor.patch.build as a file version: MS = major:minor, LS = patch:build.
inline std::string peImageWithVersion(uint32_t versionMs, uint32_t versionLs)
{
    using L = PeLayout;
    const uint32_t sectionRva = 0x1000;
    std::string image(0x400, '\0');
    putU16(image, 0, 0x5A4D);  // "MZ"
    putU32(image, 0x3C, L::PeHeader);
    putU32(image, L::PeHeader, 0x00004550);  // "PE\0\0"
    putU16(image, L::PeHeader + 4, 0x14C);   // i386
    putU16(image, L::PeHeader + 6, 1);       // one section
    putU16(image, L::PeHeader + 20, 224);    // optional header size
    putU16(image, L::PeHeader + 22, 0x0102);  // executable, 32-bit
    const std::size_t o = L::OptionalHeader;
    putU16(image, o, 0x10B);
    putU32(image, o + 8, 0x200);            // size of initialised data
    putU32(image, o + 28, 0x400000);        // image base
    putU32(image, o + 32, 0x1000);          // section alignment
    putU32(image, o + 36, 0x200);           // file alignment
    putU16(image, o + 40, 4);               // operating system version
    putU16(image, o + 48, 4);               // subsystem version
    putU32(image, o + 56, 0x2000);          // image size
    putU32(image, o + 60, 0x200);           // headers size
    putU16(image, o + 68, 2);               // GUI subsystem
    putU32(image, o + 72, 0x100000);
    putU32(image, o + 76, 0x1000);
    putU32(image, o + 80, 0x100000);
    putU32(image, o + 84, 0x1000);
    putU32(image, o + 92, 16);              // data directories
    putU32(image, o + 96 + 2 * 8, sectionRva);
    putU32(image, o + 96 + 2 * 8 + 4, 0x58 + L::VersionBlockSize);

    const std::size_t s = L::SectionHeader;
    image.replace(s, 5, ".rsrc");
    putU32(image, s + 8, 0x58 + L::VersionBlockSize);  // virtual size
    putU32(image, s + 12, sectionRva);
    putU32(image, s + 16, 0x200);  // raw size
    putU32(image, s + 20, L::Resources);
    putU32(image, s + 36, 0x40000040);  // initialised data, readable

    // Three directory levels: type 16, id 1, language 0x409, then the data entry.
    const std::size_t r = L::Resources;
    putU16(image, r + 14, 1);
    putU32(image, r + 16, 16);
    putU32(image, r + 20, 0x80000000u | 0x18);
    putU16(image, r + 0x18 + 14, 1);
    putU32(image, r + 0x18 + 16, 1);
    putU32(image, r + 0x18 + 20, 0x80000000u | 0x30);
    putU16(image, r + 0x30 + 14, 1);
    putU32(image, r + 0x30 + 16, 0x409);
    putU32(image, r + 0x30 + 20, 0x48);
    putU32(image, L::DataEntry, sectionRva + 0x58);
    putU32(image, L::DataEntry + 4, L::VersionBlockSize);

    const std::size_t v = L::VersionBlock;
    putU16(image, v, L::VersionBlockSize);
    putU16(image, v + 2, 52);
    const char key[] = "VS_VERSION_INFO";
    for (std::size_t i = 0; i < sizeof key; ++i) {
        putU16(image, v + 6 + 2 * i, static_cast<unsigned char>(key[i]));
    }
    const std::size_t f = v + 40;
    putU32(image, f, 0xFEEF04BDu);
    putU32(image, f + 4, 0x00010000);
    putU32(image, f + 8, versionMs);
    putU32(image, f + 12, versionLs);
    putU32(image, f + 16, versionMs);  // product version
    putU32(image, f + 20, versionLs);
    putU32(image, f + 24, 0x3F);
    putU32(image, f + 32, 0x00040004);  // VOS_NT_WINDOWS32
    putU32(image, f + 36, 1);           // VFT_APP
    return image;
}

}  // namespace support
