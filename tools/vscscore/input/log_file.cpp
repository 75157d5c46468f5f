// Reading an ADIF file and turning its records into contacts, nothing dropped unannounced.
#include "log_file.h"

#include <algorithm>
#include <utility>

#include "file_bytes.h"

namespace {

std::string where(std::size_t record, std::size_t offset)
{
    return "record " + std::to_string(record) + " at byte " + std::to_string(offset);
}

}  // namespace

LoadedLog loadLogText(const std::string& bytes)
{
    LoadedLog log;
    // Room for every contact at once: a growing vector would hold two copies at its peak.
    log.contacts.reserve(countRecordEnds(bytes));
    std::vector<std::pair<std::size_t, std::string>> messages;  // in record order at the end
    // Each record becomes its contact as it is read: the fields are not kept beside the log.
    const AdifRecordSink take = [&log, &messages](AdifRecord&& record) {
        LogContact contact;
        std::string error;
        std::vector<std::string> repairs;
        const bool read = contactFromAdif(record, contact, error, repairs);
        for (const std::string& repair : repairs) {
            messages.emplace_back(record.number,
                                  "record " + std::to_string(record.number) + ": " + repair);
        }
        if (!read) {
            messages.emplace_back(record.number, where(record.number, record.offset) + ": " +
                                                     error + "; skipped");
            ++log.skipped;
            return;
        }
        if (log.stationCall.empty()) {
            const std::string* station = record.find("STATION_CALLSIGN");
            const std::string* op = record.find("OPERATOR");
            log.stationCall = hostCallsign(station != nullptr && !station->empty() ? *station
                                           : op != nullptr                         ? *op
                                                                                   : std::string());
        }
        log.contacts.push_back(std::move(contact));
    };
    const AdifLog adif = readAdifRecords(bytes, take);
    for (const AdifNote& note : adif.repairs) {
        messages.emplace_back(note.record,
                              "record " + std::to_string(note.record) + ": " + note.text);
    }
    for (const AdifNote& note : adif.skipped) {
        messages.emplace_back(note.record,
                              where(note.record, note.offset) + ": " + note.text + "; skipped");
        ++log.skipped;
    }
    std::stable_sort(messages.begin(), messages.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& message : messages) {
        log.messages.push_back(std::move(message.second));
    }
    log.contacts.shrink_to_fit();
    return log;
}

bool loadLogFile(const std::string& path, LoadedLog& log, std::string& error)
{
    std::string bytes;
    if (!readFileBytes(path, bytes, error)) {
        return false;
    }
    if (!looksLikeText(bytes)) {
        error = path + ": not an ADIF file (binary, or UTF-16 text)";
        return false;
    }
    log = loadLogText(bytes);
    return true;
}
