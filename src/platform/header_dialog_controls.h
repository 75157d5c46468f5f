// The controls of the Cabrillo header dialog as both back ends present them: id, label, list
// items of the combo boxes and the text each one edits, from top to bottom.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {

// Lines: a box of several lines, where Enter starts a new line. Combo: an editable drop-down.
enum class ControlKind { Edit, Lines, Combo };

struct HeaderControl {
    int id;
    const char* label;
    std::string HeaderDialogTexts::*text;
    ControlKind kind;
    std::vector<std::string> items;  // combo boxes: in the order they are added
};

const std::vector<HeaderControl>& headerControls();

// What a control shows when the dialog opens with text: a combo box selects the first item
// that begins with it, ignoring case; with no such item, or an empty text, the text stands.
std::string startingText(const HeaderControl& control, const std::string& text);

}  // namespace platform
