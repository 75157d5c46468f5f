// Reading an ADIF file and turning its records into contacts, nothing dropped unannounced.
#include "input/log_file.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "input/file_bytes.h"

namespace {

std::string where(std::size_t record, std::size_t offset)
{
    return "record " + std::to_string(record) + " at byte " + std::to_string(offset);
}

std::string named(std::size_t record)
{
    return record == 0 ? "the header" : "record " + std::to_string(record);
}

}  // namespace

LoadedLog loadLogText(const std::string& bytes, LogForm form)
{
    LoadedLog log;
    // Room for every contact at once: a growing vector would hold two copies at its peak.
    log.recordEnds = countRecordEnds(bytes);
    const bool packed = form == LogForm::Packed;
    if (!packed) {
        log.contacts.reserve(log.recordEnds);
    }
    std::vector<std::size_t> repaired;  // record numbers, one for every repair
    std::vector<std::pair<std::size_t, std::string>> messages;  // in record order at the end
    // Each record becomes its contact as it is read: the fields are not kept beside the log.
    const AdifRecordSink take = [&log, &messages, &repaired, packed](AdifRecord&& record) {
        LogContact contact;
        std::string error;
        std::vector<std::string> repairs;
        const bool read = contactFromAdif(record, contact, error, repairs);
        for (const std::string& repair : repairs) {
            messages.emplace_back(record.number,
                                  "record " + std::to_string(record.number) + ": " + repair);
            repaired.push_back(record.number);
        }
        if (!read) {
            messages.emplace_back(record.number, where(record.number, record.offset) + ": " +
                                                     error + "; skipped");
            ++log.skipped;
            return;
        }
        const std::vector<std::string> warnings = contactWarnings(record, contact);
        for (const std::string& warning : warnings) {
            log.warnings.push_back("record " + std::to_string(record.number) +
                                   ": warning: " + warning);
        }
        log.warned += warnings.empty() ? 0 : 1;
        if (log.stationCall.empty()) {
            const std::string* station = record.find("STATION_CALLSIGN");
            const std::string* op = record.find("OPERATOR");
            log.stationCall = hostCallsign(station != nullptr && !station->empty() ? *station
                                           : op != nullptr                         ? *op
                                                                                   : std::string());
        }
        if (packed) {
            log.packed.add(contact);
        } else {
            log.contacts.push_back(std::move(contact));
        }
    };
    const AdifLog adif = readAdifRecords(bytes, take);
    // Within a record, what the reader repaired comes before what the contact made of it.
    std::vector<std::pair<std::size_t, std::string>> readerNotes;
    for (const AdifNote& note : adif.repairs) {
        readerNotes.emplace_back(note.record, named(note.record) + ": " + note.text);
        if (note.record != 0) {  // the header is no record of the count
            repaired.push_back(note.record);
        }
    }
    messages.insert(messages.begin(), std::make_move_iterator(readerNotes.begin()),
                    std::make_move_iterator(readerNotes.end()));
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
    std::sort(repaired.begin(), repaired.end());
    log.repaired = static_cast<std::size_t>(
        std::unique(repaired.begin(), repaired.end()) - repaired.begin());
    log.contacts.shrink_to_fit();
    log.packed.shrink();
    return log;
}

bool loadLogFile(const std::string& path, LoadedLog& log, std::string& error, LogForm form)
{
    std::string bytes;
    if (!readFileBytes(path, bytes, error)) {
        return false;
    }
    const std::string notAdif = notAdifReason(bytes);
    if (!notAdif.empty()) {
        error = path + ": not an ADIF file (" + notAdif + ")";
        return false;
    }
    log = loadLogText(bytes, form);
    return true;
}
