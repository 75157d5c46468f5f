// Interning with one open-addressed table over one arena of text.
#include "contest/names.h"

namespace {

uint64_t hashOf(std::string_view text)
{
    uint64_t hash = 1469598103934665603ull;
    for (char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash ^ (hash >> 29);
}

}  // namespace

Names::Names() : offsets_{0, 0}, slots_(1024, NoName) {}

std::string_view Names::text(NameId id) const
{
    return std::string_view(arena_).substr(offsets_[id], offsets_[id + 1] - offsets_[id]);
}

NameId Names::find(std::string_view text) const
{
    if (text.empty()) {
        return NoName;
    }
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hashOf(text) & mask;; at = (at + 1) & mask) {
        const NameId id = slots_[at];
        if (id == NoName || this->text(id) == text) {
            return id;
        }
    }
}

NameId Names::intern(std::string_view text)
{
    if (text.empty()) {
        return NoName;
    }
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hashOf(text) & mask;
    for (;; at = (at + 1) & mask) {
        const NameId id = slots_[at];
        if (id == NoName) {
            break;
        }
        if (this->text(id) == text) {
            return id;
        }
    }
    const auto id = static_cast<NameId>(offsets_.size() - 1);
    arena_.append(text);
    offsets_.push_back(static_cast<uint32_t>(arena_.size()));
    slots_[at] = id;
    if (size() * 2 > slots_.size()) {
        grow();
    }
    return id;
}

void Names::grow()
{
    std::vector<NameId> slots(slots_.size() * 2, NoName);
    const std::size_t mask = slots.size() - 1;
    for (NameId id = 1; id <= size(); ++id) {
        std::size_t at = hashOf(text(id)) & mask;
        while (slots[at] != NoName) {
            at = (at + 1) & mask;
        }
        slots[at] = id;
    }
    slots_.swap(slots);
}
