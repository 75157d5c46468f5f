// The user's Cabrillo file kept before the plug-in replaces it: CALL.cbr~, the way editors keep
// theirs, so hand-made edits survive a second export.
#pragma once

#include <string>

class KeptCopy {
public:
    // Reads the file, when there is one; when there is no NAME~ yet it is written now, before
    // the plug-in can replace the file. False with the reason when it cannot be kept.
    bool keep(const std::string& name, std::string& reason);

    // After the export: what the user is told, empty when the file is unchanged (a copy made
    // for nothing is removed again) or there was none.
    std::string settle();

private:
    std::string name_;
    std::string old_;       // the old bytes, while NAME~ does not hold them
    bool existed_ = false;
    bool kept_ = false;     // NAME~ holds the old bytes
    bool madeNow_ = false;  // and keep() wrote it
};
