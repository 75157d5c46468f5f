// The contact array: segmented key column over the record pool.
#include "scoring/contact_array.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Doubling, so that adding segments one at a time stays amortised constant.
template <typename T>
void roomForOneMore(std::vector<T>& items)
{
    if (items.size() == items.capacity()) {
        items.reserve(items.empty() ? 16 : 2 * items.size());
    }
}

}  // namespace

ContactArray::ContactArray(std::initializer_list<CInfo> contacts)
{
    for (const CInfo& contact : contacts) {
        push_back(contact);
    }
}

ContactArray::ContactArray(const ContactArray& other)
{
    for (const CInfo& contact : other) {
        push_back(contact);
    }
}

ContactArray::ContactArray(ContactArray&& other) noexcept
{
    swap(other);
}

ContactArray& ContactArray::operator=(ContactArray other) noexcept
{
    swap(other);
    return *this;
}

void ContactArray::swap(ContactArray& other) noexcept
{
    segments_.swap(other.segments_);
    segmentStarts_.swap(other.segmentStarts_);
    std::swap(pool_, other.pool_);
    std::swap(size_, other.size_);
}

const CInfo& ContactArray::operator[](std::size_t position) const
{
    const std::size_t segment = segmentOf(position);
    return pool_.at(segments_[segment][position - segmentStarts_[segment]].slot);
}

void ContactArray::push_back(CInfo&& contact)
{
    Entry entry = {};
    keyOf(contact.Call, entry.keyHead, entry.keyTail);
    const bool full = segments_.empty() || segments_.back().size() == SegmentCapacity;
    if (full) {
        roomForOneMore(segmentStarts_);
        roomForOneMore(segments_);
    }
    entry.slot = pool_.add(std::move(contact));
    try {
        if (full) {
            Segment fresh;
            fresh.push_back(entry);
            segments_.push_back(std::move(fresh));
            segmentStarts_.push_back(size_);
        } else {
            segments_.back().push_back(entry);
        }
    } catch (...) {
        pool_.release(entry.slot);
        throw;
    }
    ++size_;
}

void ContactArray::erase(std::size_t position)
{
    const std::size_t segment = segmentOf(position);
    Segment& entries = segments_[segment];
    const auto at =
        entries.begin() + static_cast<std::ptrdiff_t>(position - segmentStarts_[segment]);
    pool_.release(at->slot);
    entries.erase(at);
    --size_;
    for (std::size_t later = segment + 1; later < segmentStarts_.size(); ++later) {
        --segmentStarts_[later];
    }
    if (entries.empty()) {
        dropSegment(segment);
    } else {
        mergeIfSparse(segment);
    }
}

void ContactArray::clear()
{
    ContactArray().swap(*this);
}

void ContactArray::keyOf(const std::string& call, uint64_t& head, uint32_t& tail)
{
    unsigned char bytes[12] = {};
    std::memcpy(bytes, call.data(), std::min(call.size(), sizeof bytes));
    std::memcpy(&head, bytes, sizeof head);
    std::memcpy(&tail, bytes + sizeof head, sizeof tail);
}

std::size_t ContactArray::segmentOf(std::size_t position) const
{
    const auto after = std::upper_bound(segmentStarts_.begin(), segmentStarts_.end(), position);
    return static_cast<std::size_t>(after - segmentStarts_.begin()) - 1;
}

// Keeps removals from leaving a long tail of nearly empty segments: a segment down to a
// quarter joins a neighbour that has room for it. Should that run out of memory, the array
// is still whole, only sparser.
void ContactArray::mergeIfSparse(std::size_t segment)
{
    if (segments_[segment].size() >= SegmentCapacity / 4) {
        return;
    }
    std::size_t left = segment;
    if (segment + 1 < segments_.size() &&
        segments_[segment].size() + segments_[segment + 1].size() <= SegmentCapacity) {
        // Into this one, from the next.
    } else if (segment > 0 &&
               segments_[segment - 1].size() + segments_[segment].size() <= SegmentCapacity) {
        left = segment - 1;
    } else {
        return;
    }
    Segment& into = segments_[left];
    const Segment& from = segments_[left + 1];
    into.insert(into.end(), from.begin(), from.end());
    dropSegment(left + 1);
}

void ContactArray::dropSegment(std::size_t segment)
{
    segments_.erase(segments_.begin() + static_cast<std::ptrdiff_t>(segment));
    segmentStarts_.erase(segmentStarts_.begin() + static_cast<std::ptrdiff_t>(segment));
}
