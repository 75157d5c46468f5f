// The log's contacts packed small, for the export: it holds them while the plug-in holds its own
// copy and writes the file, so numbers are kept as numbers and every text in one byte run.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "adif_contact.h"

class PackedContacts {
public:
    // The host's date is not kept: it is the one of the contact's time, as contactFromAdif
    // makes it.
    void add(const LogContact& contact);
    // Gives back the room kept for growth.
    void shrink();

    std::size_t size() const { return count_; }

    // The contact as it was added. Reading them in order is the quick way.
    LogContact at(std::size_t index) const;

private:
    std::string bytes_;
    std::vector<std::size_t> blockStarts_;  // where each block of BlockSize contacts begins
    std::size_t count_ = 0;
    // Where the contact after the last one read begins, so that a walk in order reads on.
    mutable std::size_t nextIndex_ = 0;
    mutable std::size_t nextStart_ = 0;
};

// The log's contacts, packed; the vector's room is given back.
PackedContacts packContacts(std::vector<LogContact>& contacts);
