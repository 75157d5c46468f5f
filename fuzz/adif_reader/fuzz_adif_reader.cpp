// The host driver's ADIF reader on arbitrary bytes: every record it starts is either loaded or
// reported as skipped, once, and the log built from it drops nothing unannounced.
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "../fuzz_check.h"
#include "input/log_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const AdifLog adif = readAdif(bytes);

    // Record numbers 1..n, each loaded or skipped and never both; 0 is the header.
    std::vector<int> seen(adif.records.size() + adif.skipped.size() + 1, 0);
    for (const AdifRecord& record : adif.records) {
        fuzzCheck(record.number >= 1 && record.number < seen.size(), "a loaded record's number",
                  std::to_string(record.number));
        ++seen[record.number];
        fuzzCheck(record.offset < bytes.size() && bytes[record.offset] == '<',
                  "a loaded record's offset", std::to_string(record.offset));
    }
    bool headerSkipped = false;
    for (const AdifNote& note : adif.skipped) {
        if (note.record == 0) {
            headerSkipped = true;
            continue;
        }
        fuzzCheck(note.record < seen.size(), "a skipped record's number",
                  std::to_string(note.record));
        ++seen[note.record];
    }
    const std::size_t numbered = seen.size() - 1 - (headerSkipped ? 1 : 0);
    for (std::size_t number = 1; number <= numbered; ++number) {
        fuzzCheck(seen[number] == 1, "a record neither loaded nor skipped, or both",
                  std::to_string(number));
    }
    for (const AdifNote& note : adif.repairs) {
        // Record 0 is the header, read on without its <EOH>.
        fuzzCheck(note.record <= numbered, "a repair's record number",
                  std::to_string(note.record));
    }

    const LoadedLog log = loadLogText(bytes);
    fuzzCheck(log.contacts.size() + log.skipped == adif.records.size() + adif.skipped.size(),
              "the log lost records");
    // Contacts repaired on the way (a frequency from the band, a decimal comma) add messages.
    fuzzCheck(log.messages.size() >= log.skipped + adif.repairs.size(),
              "a record skipped or repaired without a message");
    for (const std::string& message : log.messages) {
        fuzzCheck(message.compare(0, 7, "record ") == 0 ||
                      message.compare(0, 12, "the header: ") == 0,
                  "a message naming no record", message);
    }
    fuzzCheck(log.repaired <= numbered, "more records repaired than there are",
              std::to_string(log.repaired));

    // The export reads the log packed: the same contacts, field for field.
    const LoadedLog packed = loadLogText(bytes, LogForm::Packed);
    fuzzCheck(packed.contacts.empty() && packed.packed.size() == log.contacts.size(),
              "the packed log holds another number of contacts");
    const auto fields = [](const LogContact& c) {
        const HostContact& h = c.host;
        return std::tie(c.record, c.when.year, c.when.month, c.when.day, c.when.hour,
                        c.when.minute, c.when.second, h.call, h.frequencyHz, h.mode, h.rstSent,
                        h.rstRcvd, h.exchSent, h.exchRcvd, h.aux1, h.aux2, h.band);
    };
    for (std::size_t i = 0; i < log.contacts.size(); ++i) {
        const LogContact back = packed.packed.at(i);
        fuzzCheck(fields(back) == fields(log.contacts[i]), "a packed contact reads back otherwise",
                  std::to_string(i));
    }
    return 0;
}
