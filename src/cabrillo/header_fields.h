// The Cabrillo header fields, one row each: where the value comes from before the dialog, the
// control that shows it, whether OK takes it back, the key it is saved under, and the file line
// that writes it. The setup, the file writer and both dialog back ends loop over these rows.
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
    platform::HeaderControl control;
    HeaderSource source;
    const char* value;  // Setting, SettingOrArgument: the key read; Fixed: the value
    bool takenBack;
    const char* savedKey;  // null: never saved
    int saved;             // place among the keys saved, from 1; 0 when not saved
    const char* tag;       // the file's tag; null: no line of the file shows the field
    int line;              // the line of the file, from 1
    // Each line break starts a line of its own, with the tag again.
    bool spansLines;
    // The dialog shows line breaks, the settings hold them as "<CR>" and "<LF>".
    bool typedLineBreaks;
};

// From top to bottom as the dialog shows them.
const std::vector<HeaderField>& headerFields();

// The rows that have a place in the order rank gives, in that order.
std::vector<const HeaderField*> headerFieldsBy(int HeaderField::*rank);

// The dialog as the platform shows it: template, caption and the controls of the rows.
const platform::HeaderDialogLayout& headerDialogLayout();
