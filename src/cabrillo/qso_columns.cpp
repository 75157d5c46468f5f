// The QSO line's columns: frequency in kHz, mode, date, time, then own callsign, report and
// exchange sent, the worked station's callsign, report and exchange received.
#include "cabrillo/qso_columns.h"

const std::array<QsoColumn, QsoColumnCount>& qsoColumns()
{
    static const std::array<QsoColumn, QsoColumnCount> columns = {{
        {"frequency", 5, QsoPadding::Left},
        {"mode", 2, QsoPadding::Left},
        {"date", 0, QsoPadding::None},
        {"time", 0, QsoPadding::None},
        {"own callsign", 13, QsoPadding::Right},
        {"report sent", 3, QsoPadding::Right},
        {"exchange sent", 6, QsoPadding::Right},
        {"callsign", 13, QsoPadding::Right},
        {"report received", 3, QsoPadding::Right},
        {"exchange received", 0, QsoPadding::None},
    }};
    return columns;
}
