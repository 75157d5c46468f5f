// Reads the records of an ADIF (.adi) file into named fields, reporting every record it had to
// skip or repair; meaning is given to the fields elsewhere.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct AdifField {
    std::string name;  // upper case
    std::string value;
};

struct AdifRecord {
    std::size_t number = 0;  // 1 for the first record of the file
    std::size_t offset = 0;  // byte offset of its first tag in the file
    std::vector<AdifField> fields;

    // The value of the first field of that name (upper case), or null.
    const std::string* find(const char* name) const;
};

// Something a reader of the log must hear about, tied to a record and where it starts.
struct AdifNote {
    std::size_t record = 0;
    std::size_t offset = 0;
    std::string text;
};

struct AdifLog {
    std::vector<AdifRecord> records;
    std::vector<AdifNote> repairs;  // read anyway, after a repair
    std::vector<AdifNote> skipped;  // malformed, left out
};

// Lengths count bytes; a field whose length a logger counted in UTF-8 characters is read by
// characters where reading by bytes would cut a character or leave text outside the field.
AdifLog readAdif(const std::string& bytes);

// The same, handing each record to sink as it is read instead of keeping it: the returned
// log holds the notes only.
using AdifRecordSink = std::function<void(AdifRecord&&)>;
AdifLog readAdifRecords(const std::string& bytes, const AdifRecordSink& sink);

// How many <EOR> tags the bytes hold: at most as many records as the reader will hand on.
std::size_t countRecordEnds(const std::string& bytes);

// Why the bytes are surely no ADIF file (binary or UTF-16, ADX, text without a single ADIF tag),
// or empty when they may be one.
std::string notAdifReason(const std::string& bytes);

// False for what is surely no ADIF text: UTF-16 (with or without its byte order mark) or
// binary data.
bool looksLikeText(const std::string& bytes);
