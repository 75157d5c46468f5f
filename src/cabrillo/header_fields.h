// The Cabrillo header fields: where each one comes from before the dialog, which text of the
// dialog shows it, whether OK takes it back, the key it is saved under and whether it spans
// lines. The rows are in the order of reading and of saving.
#pragma once

#include <string>
#include <vector>

#include "cabrillo/cabrillo_writer.h"
#include "platform/platform.h"

enum class HeaderSource {
    Argument,           // the callsign argument
    Setting,            // key, default ""
    SettingOrArgument,  // key, default the callsign argument
    Fixed,              // the same value at every export
    Kept,               // left as the last confirmed dialog set it
};

struct HeaderField {
    std::string CCabrilloWriter::*field;
    HeaderSource source;
    const char* value;  // Setting, SettingOrArgument: the key read; Fixed: the value
    std::string platform::HeaderDialogTexts::*text;
    bool takenBack;
    const char* savedKey;  // null: never saved
    // Several lines: the file's tag that starts each of them; null for one line.
    const char* lineTag;
    // The dialog shows line breaks, the settings hold them as "<CR>" and "<LF>".
    bool typedLineBreaks;
};

const std::vector<HeaderField>& headerFields();
