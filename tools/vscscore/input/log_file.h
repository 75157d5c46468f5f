// A logger's ADIF export as the driver takes it in: the contacts in file order, the station's
// callsign, and one message for every record repaired or skipped.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "input/adif_contact.h"
#include "input/contact_warnings.h"
#include "input/packed_contacts.h"

// Read whole (LogForm::Contacts) or packed (LogForm::Packed); either way a command walks the
// contacts through forEachContact, and only one that asked for a form reads it directly.
struct LoadedLog {
    std::vector<LogContact> contacts;  // empty when read packed
    PackedContacts packed;             // the contacts, when read packed
    std::string stationCall;  // STATION_CALLSIGN, else OPERATOR, of the first record with one
    std::size_t skipped = 0;
    std::size_t repaired = 0;     // records read after a repair
    std::size_t recordEnds = 0;   // the <EOR> tags in the file: the records a logger wrote
    std::vector<std::string> messages;  // "record N ..." lines
    // "record N: warning: ..." lines, for contacts read as they stand that may not score or
    // read back as the operator meant (contactWarnings), and how many records have one.
    std::vector<std::string> warnings;
    std::size_t warned = 0;

    std::size_t contactCount() const { return contacts.size() + packed.size(); }
    // When the first contact in the file was made; there must be one.
    DateTimeParts firstWhen() const
    {
        return contacts.empty() ? packed.at(0).when : contacts.front().when;
    }

    // Calls visit(const LogContact&) for every contact in file order, whichever form holds
    // them.
    template <typename Visit>
    void forEachContact(Visit visit) const
    {
        for (const LogContact& contact : contacts) {
            visit(contact);
        }
        for (std::size_t i = 0; i < packed.size(); ++i) {
            visit(packed.at(i));
        }
    }
};

enum class LogForm { Contacts, Packed };

LoadedLog loadLogText(const std::string& bytes, LogForm form = LogForm::Contacts);

// False with a one-line reason when the file cannot be read or is no ADIF file.
bool loadLogFile(const std::string& path, LoadedLog& log, std::string& error,
                 LogForm form = LogForm::Contacts);
