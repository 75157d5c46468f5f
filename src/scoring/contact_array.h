// g_Contacts: the stored contacts in store order, oldest first. The order is a column of
// 16-byte entries, each a callsign key and the slot of its record, held in segments of a
// bounded length: the repeat rule's pass reads the keys alone, and a removal moves the
// entries of one segment rather than every later record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "scoring/cinfo.h"
#include "scoring/contact_pool.h"

class ContactArray {
    struct Entry {
        uint64_t keyHead;  // the first 12 bytes of Call, zero-padded
        uint32_t keyTail;
        uint32_t slot;
    };
    using Segment = std::vector<Entry>;

public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CInfo;
        using difference_type = std::ptrdiff_t;
        using pointer = const CInfo*;
        using reference = const CInfo&;

        const_iterator() = default;
        reference operator*() const
        {
            return array_->pool_.at(array_->segments_[segment_][offset_].slot);
        }
        pointer operator->() const { return &**this; }
        const_iterator& operator++()
        {
            if (++offset_ == array_->segments_[segment_].size()) {
                ++segment_;
                offset_ = 0;
            }
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const
        {
            return segment_ == other.segment_ && offset_ == other.offset_;
        }
        bool operator!=(const const_iterator& other) const { return !(*this == other); }

    private:
        friend class ContactArray;
        const_iterator(const ContactArray* array, std::size_t segment)
            : array_(array), segment_(segment)
        {
        }
        const ContactArray* array_ = nullptr;
        std::size_t segment_ = 0;
        std::size_t offset_ = 0;
    };
    using iterator = const_iterator;
    using value_type = CInfo;
    using size_type = std::size_t;

    // Long enough that the pass over the keys runs at the speed of one flat column (1024
    // measured 3 times slower at a million contacts), short enough that moving one
    // segment's entries (64 KiB) costs a few microseconds.
    static constexpr std::size_t SegmentCapacity = 4096;

    ContactArray() = default;
    ContactArray(std::initializer_list<CInfo> contacts);
    ContactArray(const ContactArray& other);
    ContactArray(ContactArray&& other) noexcept;
    ContactArray& operator=(ContactArray other) noexcept;
    void swap(ContactArray& other) noexcept;

    std::size_t size() const { return size_; }
    // How many segments hold the order: what merging keeps from growing with removals.
    std::size_t segmentCount() const { return segments_.size(); }
    bool empty() const { return size_ == 0; }
    const CInfo& operator[](std::size_t position) const;
    const CInfo& front() const { return (*this)[0]; }
    const CInfo& back() const { return (*this)[size_ - 1]; }
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, segments_.size()); }

    void push_back(const CInfo& contact) { push_back(CInfo(contact)); }
    void push_back(CInfo&& contact);
    // Later contacts keep their order.
    void erase(std::size_t position);
    // Destroys every record and gives the storage back.
    void clear();

    // Calls visit(position, record) for each stored contact whose Call equals call exactly,
    // oldest first, while visit returns true. Reads only the key column for the others.
    template <typename Visit>
    void forEachWithCall(const std::string& call, Visit visit) const;

private:
    static void keyOf(const std::string& call, uint64_t& head, uint32_t& tail);
    // The segment holding position, and the position of that segment's first entry.
    std::size_t segmentOf(std::size_t position) const;
    void mergeIfSparse(std::size_t segment);
    void dropSegment(std::size_t segment);

    std::vector<Segment> segments_;        // never an empty one
    std::vector<std::size_t> segmentStarts_;  // store position of each segment's first entry
    ContactPool pool_;
    std::size_t size_ = 0;
};

template <typename Visit>
void ContactArray::forEachWithCall(const std::string& call, Visit visit) const
{
    uint64_t head = 0;
    uint32_t tail = 0;
    keyOf(call, head, tail);
    std::size_t start = 0;
    for (const Segment& segment : segments_) {
        const Entry* const first = segment.data();
        const Entry* const last = first + segment.size();
        for (const Entry* entry = first; entry != last; ++entry) {
            if (entry->keyHead != head || entry->keyTail != tail) {
                continue;
            }
            const CInfo& record = pool_.at(entry->slot);
            if (record.Call == call &&
                !visit(start + static_cast<std::size_t>(entry - first), record)) {
                return;
            }
        }
        start += segment.size();
    }
}
