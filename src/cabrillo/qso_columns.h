// This contest's Cabrillo QSO line, described once: its columns in order, each with its width
// and the side its padding goes. The writer lays lines out by it and the readers read them by
// it.
#pragma once

#include <array>
#include <cstddef>
#include <string>

enum class QsoPadding {
    Left,   // "%5s": padded on the left to the width
    Right,  // "%-13s": padded on the right to the width
    None,   // as it is
};

struct QsoColumn {
    const char* name;  // for messages: "frequency", "own callsign", ...
    std::size_t width;
    QsoPadding padding;
};

enum QsoColumnIndex {
    FrequencyColumn,
    ModeColumn,
    DateColumn,
    TimeColumn,
    OwnCallColumn,
    RstSentColumn,
    ExchSentColumn,
    CallColumn,
    RstRcvdColumn,
    ExchRcvdColumn,
    QsoColumnCount
};

// "QSO: " then the columns, one blank between them; a value wider than its column pushes the
// rest of the line to the right, it is never cut.
constexpr char QsoLineTag[] = "QSO";

const std::array<QsoColumn, QsoColumnCount>& qsoColumns();

using QsoColumnValues = std::array<std::string, QsoColumnCount>;
