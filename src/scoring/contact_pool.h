// The records of the contact store at fixed slots, so that the store's order can be kept in
// slot numbers and a removal never moves a record.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "scoring/cinfo.h"

class ContactPool {
public:
    // A page at a time, so growing never moves or copies the records already held.
    static constexpr uint32_t PageSize = 64;

    uint32_t add(CInfo&& record);
    // The slot's texts are freed and the slot is reused by a later add.
    void release(uint32_t slot);
    const CInfo& at(uint32_t slot) const { return pages_[slot / PageSize][slot % PageSize]; }
    // Gives every page back.
    void clear();

private:
    std::vector<std::unique_ptr<CInfo[]>> pages_;
    std::vector<uint32_t> freeSlots_;
    uint32_t used_ = 0;  // slots ever handed out since the last clear
};
