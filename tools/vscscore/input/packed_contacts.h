// The log's contacts packed small, for the export: it holds them while the plug-in holds its own
// copy and writes the file, so numbers are kept as numbers and every text in one byte run.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "input/adif_contact.h"

class PackedContacts {
public:
    // The host's date is not kept: it is the one of the contact's time, as contactFromAdif
    // makes it.
    void add(const LogContact& contact);
    // Gives back the room kept for growth.
    void shrink();
    // The packed bytes moved to a temporary file while something else needs the room, and
    // back. setAside is false, nothing changed, where no temporary file can be written;
    // takeBack is false if the bytes cannot be read back whole. Nothing is read in between.
    bool setAside();
    bool takeBack();

    std::size_t size() const { return count_; }

    // The contact as it was added. Reading them in order is the quick way.
    LogContact at(std::size_t index) const;

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::string bytes_;
    std::unique_ptr<std::FILE, FileCloser> aside_;  // removed by the system once closed
    std::size_t asideSize_ = 0;
    std::vector<std::size_t> blockStarts_;  // where each block of BlockSize contacts begins
    std::size_t count_ = 0;
    // Where the contact after the last one read begins, so that a walk in order reads on.
    mutable std::size_t nextIndex_ = 0;
    mutable std::size_t nextStart_ = 0;
};
