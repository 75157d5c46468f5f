// A reader of PE images just deep enough to reach the fixed file information: DOS header, PE
// headers, the section holding the resource directory, three directory levels, the block.
#include "platform/posix/pe_version.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace pe {

namespace {

constexpr uint32_t ResourceTypeVersion = 16;
constexpr uint32_t VersionInfoId = 1;
constexpr uint32_t FixedInfoSignature = 0xFEEF04BDu;
constexpr std::size_t FixedInfoSize = 52;
// Executables larger than this are not read (hosts are a few megabytes).
constexpr std::streamoff MaxImageSize = 256 * 1024 * 1024;

// Bounds-checked little-endian reads; offsets are 64-bit so that sums of 32-bit file values
// cannot wrap.
class Image {
public:
    Image(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    bool has(uint64_t offset, uint64_t length) const
    {
        return offset <= size_ && length <= size_ - offset;
    }
    bool u16(uint64_t offset, uint32_t& value) const
    {
        if (!has(offset, 2)) {
            return false;
        }
        value = data_[offset] | (data_[offset + 1] << 8);
        return true;
    }
    bool u32(uint64_t offset, uint32_t& value) const
    {
        if (!has(offset, 4)) {
            return false;
        }
        value = static_cast<uint32_t>(data_[offset]) | (data_[offset + 1] << 8) |
                (data_[offset + 2] << 16) | (static_cast<uint32_t>(data_[offset + 3]) << 24);
        return true;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
};

struct Section {
    uint32_t virtualAddress = 0;
    uint32_t mappedSize = 0;  // the part of the section that comes from the file
    uint32_t rawOffset = 0;
};

// The file offset of length bytes at rva, when they lie within one section's file data.
bool rvaToOffset(const Image& image, const std::vector<Section>& sections, uint64_t rva,
                 uint64_t length, uint64_t& offset)
{
    for (const Section& s : sections) {
        if (rva >= s.virtualAddress && rva - s.virtualAddress <= s.mappedSize &&
            length <= s.mappedSize - (rva - s.virtualAddress)) {
            offset = s.rawOffset + (rva - s.virtualAddress);
            return image.has(offset, length);
        }
    }
    return false;
}

bool readSections(const Image& image, std::vector<Section>& sections, uint32_t& resourceRva)
{
    uint32_t magic = 0;
    uint32_t peOffset = 0;
    if (!image.u16(0, magic) || magic != 0x5A4D || !image.u32(0x3C, peOffset)) {
        return false;
    }
    uint32_t signature = 0;
    if (!image.u32(peOffset, signature) || signature != 0x00004550) {
        return false;
    }
    const uint64_t coff = uint64_t{peOffset} + 4;
    uint32_t sectionCount = 0;
    uint32_t optionalSize = 0;
    if (!image.u16(coff + 2, sectionCount) || !image.u16(coff + 16, optionalSize)) {
        return false;
    }
    const uint64_t optional = coff + 20;
    uint32_t optionalMagic = 0;
    if (!image.u16(optional, optionalMagic)) {
        return false;
    }
    uint64_t countOffset = 0;
    if (optionalMagic == 0x10B) {
        countOffset = 92;
    } else if (optionalMagic == 0x20B) {
        countOffset = 108;
    } else {
        return false;
    }
    // The resource directory is entry 2 of the data directories that follow the count.
    const uint64_t resourceEntry = countOffset + 4 + 2 * 8;
    uint32_t directoryCount = 0;
    if (resourceEntry + 8 > optionalSize || !image.u32(optional + countOffset, directoryCount) ||
        directoryCount < 3 || !image.u32(optional + resourceEntry, resourceRva) ||
        resourceRva == 0) {
        return false;
    }
    const uint64_t table = optional + optionalSize;
    for (uint32_t i = 0; i < sectionCount; ++i) {
        const uint64_t header = table + uint64_t{i} * 40;
        uint32_t virtualSize = 0;
        Section s;
        uint32_t rawSize = 0;
        if (!image.u32(header + 8, virtualSize) || !image.u32(header + 12, s.virtualAddress) ||
            !image.u32(header + 16, rawSize) || !image.u32(header + 20, s.rawOffset)) {
            return false;
        }
        // Beyond its virtual size a section is not mapped; beyond its raw size it is zeros.
        s.mappedSize = virtualSize != 0 && virtualSize < rawSize ? virtualSize : rawSize;
        sections.push_back(s);
    }
    return true;
}

// Follows one entry of a resource directory: the one with id wanted, or the first entry when
// any is true. subdirectory says whether the entry must lead to a directory or to data.
bool findEntry(const Image& image, const std::vector<Section>& sections, uint32_t resourceRva,
               uint32_t directory, uint32_t wanted, bool any, bool subdirectory,
               uint32_t& target)
{
    uint64_t offset = 0;
    if (!rvaToOffset(image, sections, uint64_t{resourceRva} + directory, 16, offset)) {
        return false;
    }
    uint32_t named = 0;
    uint32_t numbered = 0;
    if (!image.u16(offset + 12, named) || !image.u16(offset + 14, numbered)) {
        return false;
    }
    const uint32_t entries = named + numbered;
    if (!rvaToOffset(image, sections, uint64_t{resourceRva} + directory + 16,
                     uint64_t{entries} * 8, offset)) {
        return false;
    }
    for (uint32_t i = 0; i < entries; ++i) {
        uint32_t name = 0;
        uint32_t data = 0;
        if (!image.u32(offset + uint64_t{i} * 8, name) ||
            !image.u32(offset + uint64_t{i} * 8 + 4, data)) {
            return false;
        }
        const bool isId = (name & 0x80000000u) == 0;
        if (any || (isId && name == wanted)) {
            const bool leadsToDirectory = (data & 0x80000000u) != 0;
            if (leadsToDirectory != subdirectory) {
                return false;
            }
            target = data & 0x7FFFFFFFu;
            return true;
        }
    }
    return false;
}

// VS_VERSION_INFO: length, value length, type, the key in UTF-16, padding to 4 bytes, then
// VS_FIXEDFILEINFO.
bool readVersionBlock(const Image& image, uint64_t offset, uint32_t size, uint32_t& versionMs,
                      uint32_t& versionLs)
{
    static const char key[] = "VS_VERSION_INFO";
    const uint64_t keyOffset = 6;
    const uint64_t valueOffset = (keyOffset + sizeof key * 2 + 3) & ~uint64_t{3};
    uint32_t length = 0;
    uint32_t valueLength = 0;
    if (!image.u16(offset, length) || !image.u16(offset + 2, valueLength) || length > size ||
        valueOffset + FixedInfoSize > length || valueLength < FixedInfoSize) {
        return false;
    }
    for (std::size_t i = 0; i < sizeof key; ++i) {
        uint32_t c = 0;
        if (!image.u16(offset + keyOffset + 2 * i, c) || c != static_cast<unsigned char>(key[i])) {
            return false;
        }
    }
    const uint64_t fixed = offset + valueOffset;
    uint32_t signature = 0;
    uint32_t ms = 0;
    uint32_t ls = 0;
    if (!image.u32(fixed, signature) || signature != FixedInfoSignature ||
        !image.u32(fixed + 8, ms) || !image.u32(fixed + 12, ls)) {
        return false;
    }
    versionMs = ms;
    versionLs = ls;
    return true;
}

}  // namespace

bool readFixedFileVersion(const unsigned char* data, std::size_t size, uint32_t& versionMs,
                          uint32_t& versionLs)
{
    const Image image(data, size);
    std::vector<Section> sections;
    uint32_t resourceRva = 0;
    if (!readSections(image, sections, resourceRva)) {
        return false;
    }
    uint32_t names = 0;
    uint32_t languages = 0;
    uint32_t dataEntry = 0;
    if (!findEntry(image, sections, resourceRva, 0, ResourceTypeVersion, false, true, names) ||
        !findEntry(image, sections, resourceRva, names, VersionInfoId, false, true,
                   languages) ||
        !findEntry(image, sections, resourceRva, languages, 0, true, false, dataEntry)) {
        return false;
    }
    uint64_t entry = 0;
    uint32_t blockRva = 0;
    uint32_t blockSize = 0;
    if (!rvaToOffset(image, sections, uint64_t{resourceRva} + dataEntry, 16, entry) ||
        !image.u32(entry, blockRva) || !image.u32(entry + 4, blockSize)) {
        return false;
    }
    uint64_t block = 0;
    if (!rvaToOffset(image, sections, blockRva, blockSize, block)) {
        return false;
    }
    return readVersionBlock(image, block, blockSize, versionMs, versionLs);
}

bool readFileFixedVersion(const std::string& path, uint32_t& versionMs, uint32_t& versionLs)
{
    std::ifstream in(path, std::ios::binary);
    if (!in || !in.seekg(0, std::ios::end)) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > MaxImageSize || !in.seekg(0)) {
        return false;
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return false;
    }
    return readFixedFileVersion(bytes.data(), bytes.size(), versionMs, versionLs);
}

}  // namespace pe
