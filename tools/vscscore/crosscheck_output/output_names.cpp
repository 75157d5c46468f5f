// Output file bases: short, visible, stable.
#include "crosscheck_output/output_names.h"

#include <cstdint>
#include <cstdio>

#include "cabrillo/file_base.h"

namespace {

// FNV-1a: stable across runs, builds and systems, unlike std::hash.
uint32_t tagOf(const std::string& text)
{
    uint32_t hash = 2166136261u;
    for (char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

}  // namespace

std::string outputFileBase(const std::string& call)
{
    std::string base = cabrilloFileBase(call);
    for (std::size_t i = 0; i < base.size() && base[i] == '.'; ++i) {
        base[i] = '_';
    }
    if (base.size() <= MostBaseBytes) {
        return base;
    }
    char tag[16];
    std::snprintf(tag, sizeof tag, "-%08x", static_cast<unsigned>(tagOf(call)));
    const std::string suffix = tag;
    // The cut stays between UTF-8 sequences: no continuation byte starts the tag.
    std::size_t keep = MostBaseBytes - suffix.size();
    while (keep > 0 && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    return base.substr(0, keep) + suffix;
}
