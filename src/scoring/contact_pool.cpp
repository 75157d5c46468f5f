// Record slots: pages that are only ever added to, and a list of freed slots.
#include "scoring/contact_pool.h"

#include <utility>

uint32_t ContactPool::add(CInfo&& record)
{
    uint32_t slot = 0;
    if (!freeSlots_.empty()) {
        slot = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        if (used_ == pages_.size() * PageSize) {
            // Not make_unique: that would zero the page before constructing the records.
            pages_.push_back(std::unique_ptr<CInfo[]>(new CInfo[PageSize]));
        }
        slot = used_++;
    }
    pages_[slot / PageSize][slot % PageSize] = std::move(record);
    return slot;
}

void ContactPool::release(uint32_t slot)
{
    // Listed first: that may throw; freeing the record cannot.
    freeSlots_.push_back(slot);
    pages_[slot / PageSize][slot % PageSize] = CInfo();
}

void ContactPool::clear()
{
    std::vector<std::unique_ptr<CInfo[]>>().swap(pages_);
    std::vector<uint32_t>().swap(freeSlots_);
    used_ = 0;
}
