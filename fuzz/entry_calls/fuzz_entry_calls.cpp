// Sequences of entry-point calls decoded from the input, with the module's invariants checked
// after every call. Runs in a scratch folder with no controlling terminal (scripts/fuzz.sh).
//
// Input: calls separated by 0x1E, fields by 0x1F; the first byte of a call picks it:
//   R export callsign date status                     ResetStats0
//   A|D call date status hz mode rstS rstR exchS exchR aux1 aux2 band    AddData0, RemoveData0
//   C call mode band warning second                  CheckCall0 ("0" or absent: null pointer)
//   G score                                           GetResult0 ("0": null score pointer)
//   S bytes                                           replaces the settings file
// An absent field is a null pointer; a date is an OLE date number; a field "\x1D<count><byte>"
// is that byte repeated. The clock stands still at the seeds' contest day (see time() below),
// so a saved finding replays the same way.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "../fuzz_check.h"
#include "platform/read_whole_file.h"
#include "plugin/exports.h"

namespace {

const char* const SettingsPath = "Plugins/VESTAR.ini";
constexpr std::size_t MaxRepeat = 1 << 17;
constexpr std::size_t ExpansionBudget = 1 << 22;
// A longer callsign may name a file the file system refuses; the export then reports it.
constexpr std::size_t WritableCallsign = 200;
constexpr char Marker = '\x5A';

using Field = std::optional<std::string>;

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

class Call {
public:
    Call(const std::string& text, std::size_t& budget) : fields_(split(text, '\x1F'))
    {
        for (std::string& field : fields_) {
            if (!field.empty() && field[0] == '\x1D') {
                char* end = nullptr;
                unsigned long count = std::strtoul(field.c_str() + 1, &end, 10);
                const char fill = *end != '\0' ? *end : 'X';
                count = std::min<unsigned long>({count, MaxRepeat, budget});
                budget -= count;
                field.assign(count, fill);
            }
        }
    }

    char op() const { return fields_[0].empty() ? '\0' : fields_[0][0]; }

    // As a C string, so cut at the first NUL as the plug-in reads it.
    Field text(std::size_t index) const
    {
        if (index >= fields_.size()) {
            return std::nullopt;
        }
        return std::string(fields_[index].c_str());
    }

    long long number(std::size_t index, long long absent) const
    {
        const Field field = text(index);
        return field ? std::strtoll(field->c_str(), nullptr, 0) : absent;
    }

    bool present(std::size_t index) const { return index < fields_.size(); }

private:
    std::vector<std::string> fields_;
};

// Exactly as long as the text, so ASan sees any read past its end.
class CText {
public:
    explicit CText(const Field& field)
    {
        if (field) {
            bytes_.reset(new char[field->size() + 1]);
            std::memcpy(bytes_.get(), field->c_str(), field->size() + 1);
        }
    }
    const char* get() const { return bytes_.get(); }

private:
    std::unique_ptr<char[]> bytes_;
};

// Twelve bytes, as the plug-in may read no more.
class CDate {
public:
    CDate(const Field& value, long long status)
    {
        if (!value) {
            return;
        }
        const double number = std::strtod(value->c_str(), nullptr);
        const auto code = static_cast<uint32_t>(status);
        bytes_.reset(new unsigned char[DateRecord::Size]);
        std::memcpy(bytes_.get(), &number, sizeof number);
        std::memcpy(bytes_.get() + sizeof number, &code, sizeof code);
    }
    const COleDateTime* get() const { return reinterpret_cast<const COleDateTime*>(bytes_.get()); }

private:
    std::unique_ptr<unsigned char[]> bytes_;
};

// What the plug-in must hold: the stored contacts by callsign, mode and band.
struct Model {
    std::map<std::tuple<std::string, std::string, std::string>, std::size_t> keys;
    std::size_t count = 0;
    bool exporting = false;
    std::string callsign;
};

std::string readFile(const char* path)
{
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes;
}

std::vector<std::string> cabrilloFiles()
{
    std::vector<std::string> names;
    DIR* folder = opendir(".");
    fuzzCheck(folder != nullptr, "the scratch folder cannot be listed");
    while (const dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".cbr") == 0) {
            names.push_back(name);
        }
    }
    closedir(folder);
    return names;
}

bool isTaggedLine(const std::string& line)
{
    const std::size_t colon = line.find(':');
    if (colon == 0 || colon == std::string::npos) {
        return false;
    }
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = line[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')) {
            return false;
        }
    }
    return colon + 1 == line.size() || line[colon + 1] == ' ';
}

void checkCabrilloFile(const std::string& name, const Model& model)
{
    const std::string file = readFile(name.c_str());
    std::size_t qsoLines = 0;
    std::size_t start = 0;
    std::string last;
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        fuzzCheck(end != std::string::npos, "a Cabrillo line has no CR LF", name);
        const std::string line = file.substr(start, end - start);
        fuzzCheck(line.find_first_of("\r\n") == std::string::npos,
                  "a Cabrillo line holds a bare line break", line);
        fuzzCheck(isTaggedLine(line), "an untagged Cabrillo line", line);
        fuzzCheck(start != 0 || line == "START-OF-LOG: 3.0", "the first line", line);
        qsoLines += line.compare(0, 5, "QSO: ") == 0 ? 1 : 0;
        last = line;
        start = end + 2;
    }
    fuzzCheck(last == "END-OF-LOG:", "the last line", last);
    fuzzCheck(qsoLines == model.count, "QSO lines against stored contacts",
              std::to_string(qsoLines) + " != " + std::to_string(model.count));
}

std::size_t totalOf(const std::string& summary)
{
    const std::string head = "\r\nTotal\t ";
    const std::size_t at = summary.rfind(head);
    fuzzCheck(at != std::string::npos, "the summary has no Total line", summary);
    return std::strtoull(summary.c_str() + at + head.size(), nullptr, 10);
}

void resultAndChecks(const Model& model, bool scorePointer)
{
    for (const std::string& name : cabrilloFiles()) {
        unlink(name.c_str());
    }
    int score = 12345;
    const char* text = GetResult0(scorePointer ? &score : nullptr);
    fuzzCheck(text != nullptr, "GetResult0 returned null");
    const std::string summary = text;
    fuzzCheck(totalOf(summary) == model.count, "Total against stored contacts",
              std::to_string(totalOf(summary)) + " != " + std::to_string(model.count));

    const std::vector<std::string> files = cabrilloFiles();
    if (!model.exporting) {
        fuzzCheck(files.empty(), "a Cabrillo file without the export requested");
        const std::size_t at = summary.rfind("\r\nScore:  ");
        fuzzCheck(at != std::string::npos, "the summary has no Score line", summary);
        fuzzCheck(!scorePointer || score == std::atoi(summary.c_str() + at + 10),
                  "the score handed back is not the summary's");
        return;
    }
    fuzzCheck(!scorePointer || score == -1, "the export's score is not -1");
    fuzzCheck(files.size() <= 1, "more than one Cabrillo file written");
    fuzzCheck(!files.empty() || model.callsign.size() > WritableCallsign,
              "no Cabrillo file written", model.callsign);
    for (const std::string& name : files) {
        checkCabrilloFile(name, model);
    }
}

void resetStats(const Call& call, Model& model)
{
    const Field callsign = call.text(2);
    const CText callsignText(callsign);
    const CDate title(call.text(3), call.number(4, 0));
    const int exportCabrillo = static_cast<int>(call.number(1, 0));
    const std::string settingsBefore = readFile(SettingsPath);
    const int result = ResetStats0("p1", exportCabrillo, callsignText.get(), nullptr, title.get(),
                                   "p6", nullptr, "p8", "p9", "p10", "p11", "p12", "p13", "p14",
                                   "p15", 16, 17, 18, 19.5, 20.5, "p21", "p22", "p23");
    fuzzCheck(result == 1, "ResetStats0's result");
    // Without a terminal the header form cannot be shown, so nothing is confirmed or saved.
    fuzzCheck(readFile(SettingsPath) == settingsBefore, "ResetStats0 changed the settings file");
    model = Model();
    model.exporting = exportCabrillo != 0;
    model.callsign = callsign.value_or("");
}

void contactCall(const Call& call, Model& model)
{
    const bool adding = call.op() == 'A';
    const CText text[] = {CText(call.text(1)), CText(call.text(5)), CText(call.text(6)),
                          CText(call.text(7)), CText(call.text(8)), CText(call.text(9)),
                          CText(call.text(10)), CText(call.text(11)), CText(call.text(12))};
    const CDate date(call.text(2), call.number(3, 0));
    const auto hz = static_cast<unsigned>(call.number(4, 0));
    const auto function = adding ? &AddData0 : &RemoveData0;
    const int result =
        function("p1", text[0].get(), date.get(), nullptr, nullptr, nullptr, 7u, hz,
                 text[1].get(), text[2].get(), text[3].get(), text[4].get(), text[5].get(), "p14",
                 nullptr, "p16", "p17", "p18", "p19", "p20", "p21", "p22", text[6].get(), 24,
                 25, 26, 27.5, 28.5, "p29", text[7].get(), "p31", text[8].get(), "p33");

    const auto key = std::make_tuple(call.text(1).value_or(""), call.text(5).value_or(""),
                                     call.text(12).value_or(""));
    if (adding) {
        fuzzCheck(result == 1, "AddData0's result");
        ++model.keys[key];
        ++model.count;
        return;
    }
    const bool refused = call.text(8).value_or("").empty() || call.text(9).value_or("").empty();
    fuzzCheck(result == (refused ? 0 : 1), "RemoveData0's result");
    auto stored = model.keys.find(key);
    if (!refused && stored != model.keys.end()) {
        --model.count;
        if (--stored->second == 0) {
            model.keys.erase(stored);
        }
    }
}

void checkCall(const Call& call, const Model& model)
{
    constexpr std::size_t Size = WarningBufferSize;
    const CText callText(call.text(1));
    const CText mode(call.text(2));
    const CText band(call.text(3));
    // Exactly the host's sizes: ASan reports any byte written past them.
    std::unique_ptr<char[]> warning;
    std::unique_ptr<char[]> second;
    if (call.present(4) && call.text(4) != "0") {
        warning.reset(new char[Size]);
        std::memset(warning.get(), Marker, Size);
    }
    if (call.present(5) && call.text(5) != "0") {
        second.reset(new char[Size]);
        std::memset(second.get(), Marker, Size);
    }
    const int result = CheckCallFunc0(callText.get(), 2u, 3u, mode.get(), "p5", "p6", "p7", "p8",
                                      "p9", "p10", "p11", "p12", "p13", "p14", 15, 16, 17, 18.5,
                                      19.5, "p20", "p21", "p22", "p23", "p24", band.get(), "p26",
                                      second.get(), warning.get());
    fuzzCheck(result == 0 || result == 1, "CheckCall0's result");
    const auto key = std::make_tuple(call.text(1).value_or(""), call.text(2).value_or(""),
                                     call.text(3).value_or(""));
    fuzzCheck(model.keys.count(key) == 0 || result == 0, "an exact repeat was accepted");
    if (warning && warning[0] != Marker) {
        fuzzCheck(std::memchr(warning.get(), '\0', Size) != nullptr,
                  "the warning is not terminated within the buffer");
        fuzzCheck(std::strncmp(warning.get(), "QSO c ", 6) == 0 && result == 0,
                  "a warning that is not the too-early one, or with the call accepted");
    }
    for (std::size_t i = 0; second && i < Size; ++i) {
        fuzzCheck(second[i] == Marker, "CheckCall0 wrote to its other output");
    }
}

void writeSettings(const Call& call)
{
    std::ofstream out(SettingsPath, std::ios::binary | std::ios::trunc);
    const std::string bytes = call.present(1) ? *call.text(1) : std::string();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    fuzzCheck(static_cast<bool>(out), "the settings file cannot be written");
}

}  // namespace

// The plug-in's clock, held at 2025-02-15 12:00:00 UTC (OLE date 45703.5): this definition
// takes the place of the C library's for the plug-in's code linked in here.
extern "C" std::time_t time(std::time_t* out) noexcept
{
    const std::time_t contestDay = 1739620800;
    if (out != nullptr) {
        *out = contestDay;
    }
    return contestDay;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The header form of an export request would wait for an operator at the terminal.
    const int tty = open("/dev/tty", O_RDWR | O_NOCTTY);
    fuzzCheck(tty < 0, "run without a controlling terminal: setsid");
    mkdir("Plugins", 0777);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    unlink(SettingsPath);
    Model model;
    ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                nullptr, nullptr);
    std::size_t budget = ExpansionBudget;
    for (const std::string& text : split(input, '\x1E')) {
        const Call call(text, budget);
        switch (call.op()) {
        case 'R': resetStats(call, model); break;
        case 'A':
        case 'D': contactCall(call, model); break;
        case 'C': checkCall(call, model); break;
        case 'S': writeSettings(call); break;
        default: break;
        }
        resultAndChecks(model, !(call.op() == 'G' && call.text(1) == "0"));
    }
    return 0;
}
