// ADIF files as loggers write them, well and badly: what is read, repaired and skipped.
#include <gtest/gtest.h>

#include <string>

#include "input/log_file.h"

namespace {

// call|date time|Hz|band|mode|rst sent|rst rcvd|exch sent|exch rcvd, ";" between contacts.
// Read whole or packed, the same.
std::string contactsOf(const LoadedLog& log)
{
    std::string text;
    const bool packed = log.contacts.empty();
    for (std::size_t i = 0; i < log.contactCount(); ++i) {
        const LogContact c = packed ? log.packed.at(i) : log.contacts[i];
        const HostContact& h = c.host;
        text += (text.empty() ? "" : ";") + h.call + "|" +
                formatDateRecord(h.time, "%Y-%m-%d %H:%M:%S") + "|" +
                std::to_string(h.frequencyHz) + "|" + h.band + "|" + h.mode + "|" + h.rstSent +
                "|" + h.rstRcvd + "|" + h.exchSent + "|" + h.exchRcvd;
    }
    return text;
}

std::string linesOf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& message : lines) {
        text += message + "\n";
    }
    return text;
}

const std::string Q = "<CALL:5>Q1ABC<QSO_DATE:8>20250215<TIME_ON:4>0605<BAND:3>40m<FREQ:5>7.025";
const std::string Q1 = "Q1ABC|2025-02-15 06:05:00|7025000|40|||||";
const std::string Q2 = "<CALL:5>Q2ABC<QSO_DATE:8>20250215<TIME_ON:4>0606<BAND:3>40m";
const std::string Q2read = ";Q2ABC|2025-02-15 06:06:00|7000000|40|||||";
const std::string Q2edge = "record 2: no FREQ; written at the band's lower edge, 7000 kHz\n";
const std::string Sent = "<RST_SENT:3>599<STX:1>5<RST_RCVD:3>599<SRX:1>3<EOR>";
const std::string OffBand = " is not one of this contest's (160, 80, 40, 20, 15, 10 m); counted "
                            "all the same, as the host counts it\n";

struct Row {
    const char* name;
    std::string file;
    std::string contacts;
    std::string messages;
    std::size_t skipped;
    std::string station;
    std::string warnings = "-";  // checked unless "-"
};

const Row Rows[] = {
    {"minimal record", Q + "<EOR>", Q1, "", 0, ""},
    {"names and tags in any case",
     "<call:5>q1abc<Qso_Date:8>20250215<time_on:4>0605<band:3>40M<freq:5>7.025<eor>", Q1, "", 0,
     ""},
    {"type indicators",
     "<CALL:5:S>Q1ABC<QSO_DATE:8:D>20250215<TIME_ON:6:T>060507<FREQ:7:N>14.0745<EOR>",
     "Q1ABC|2025-02-15 06:05:07|14074500|20|||||", "", 0, ""},
    {"header and junk between fields, CR LF",
     "exported\r\n<ADIF_VER:5>3.1.4 <eoh>\r\n<CALL:5>Q1ABC junk <QSO_DATE:8>20250215\r\n"
     "<TIME_ON:4>0605 <BAND:3>40m <FREQ:5>7.025 <EOR>\r\n",
     Q1, "", 0, ""},
    {"byte order mark before the header", "\xEF\xBB\xBFlog\n<EOH>\n" + Q + "<EOR>\n", Q1, "", 0,
     ""},
    {"byte order mark before the first record", "\xEF\xBB\xBF" + Q + "<EOR>", Q1, "", 0, ""},
    {"an exporter's end marker after the last record", Q + "<EOR>\r\n<APP_X_EOF>\r\n", Q1, "",
     0, ""},
    {"every mapped field; SRX_STRING and STX_STRING before SRX and STX",
     "<CALL:7>Q2XYZ/P<QSO_DATE:8>20250215<TIME_ON:4>2359<FREQ:9>3.5305001<MODE:3>SSB"
     "<RST_SENT:2>59<RST_RCVD:2>57<STX:3>001<STX_STRING:1>5<SRX:2>99<SRX_STRING:2>10"
     "<STATION_CALLSIGN:5>Q9VSC<OPERATOR:5>Q8OPR<EOR>",
     "Q2XYZ/P|2025-02-15 23:59:00|3530500|80|SSB|59|57|5|10", "", 0, "Q9VSC"},
    {"STX and SRX alone; OPERATOR stands for the station",
     Q + "<STX:3>001<SRX:1>7<OPERATOR:5>Q8OPR<EOR>",
     "Q1ABC|2025-02-15 06:05:00|7025000|40||||001|7", "", 0, "Q8OPR"},
    {"band texts", Q + "<EOR><CALL:2>Q2<QSO_DATE:8>20250215<TIME_ON:4>0605<BAND:4>70CM<EOR>"
                   "<CALL:2>Q3<QSO_DATE:8>20250215<TIME_ON:4>0605<BAND:5>1.25m<EOR>",
     Q1 + ";Q2|2025-02-15 06:05:00|420000000|70cm|||||;Q3|2025-02-15 06:05:00|222000000|1.25|||||",
     "record 2: no FREQ; written at the band's lower edge, 420000 kHz\n"
     "record 3: no FREQ; written at the band's lower edge, 222000 kHz\n",
     0, ""},
    {"blank lines before the first tag are no header", "\r\n\n" + Q + "<EOR>", Q1, "", 0, ""},
    {"a bad FREQ beside a BAND", "<CALL:2>Q2<QSO_DATE:8>20250215<TIME_ON:4>0605<BAND:3>80m"
                                 "<FREQ:3>abc<MODE:3>usb<EOR>",
     "Q2|2025-02-15 06:05:00|3500000|80|SSB||||",
     "record 1: bad FREQ \"abc\"; written at the band's lower edge, 3500 kHz\n",
     0, ""},
    {"UTF-8 text with its length in bytes stays intact",
     Q + "<SRX_STRING:3>5\xD0\x96<EOR>", "Q1ABC|2025-02-15 06:05:00|7025000|40|||||5\xD0\x96", "",
     0,
     ""},
    {"length in characters leaving text outside the field",
     Q + "<SRX_STRING:3>5\xD0\x96x <EOR>", "Q1ABC|2025-02-15 06:05:00|7025000|40|||||5\xD0\x96x",
     "record 1: SRX_STRING length 3 counts characters, not bytes; read as characters\n", 0, ""},
    {"length in characters ending inside a character", Q + "<SRX_STRING:2>5\xD0\x96<EOR>",
     "Q1ABC|2025-02-15 06:05:00|7025000|40|||||5\xD0\x96",
     "record 1: SRX_STRING length 2 counts characters, not bytes; read as characters\n", 0, ""},
    {"no UTF-8 lead (C1, F5): the length counts bytes",
     Q + "<SRX_STRING:2>5\xC1\x80<EOR>" + Q2 + "<SRX_STRING:2>5\xF5\x80\x80\x80<EOR>",
     "Q1ABC|2025-02-15 06:05:00|7025000|40|||||5\xC1" + Q2read + "5\xF5",
     "record 1: SRX_STRING ends inside a UTF-8 character; read as 2 bytes\n"
     "record 2: SRX_STRING ends inside a UTF-8 character; read as 2 bytes\n" + Q2edge, 0, ""},
    {"bad length: that record skipped, the next read",
     "<CALL:x>Q1ZZZ<EOR>\n" + Q + "<EOR>", Q1,
     "record 1 at byte 0: bad length in <CALL:x>; skipped\n", 1, ""},
    {"length past the end of the file", Q + "<EOR>\n<CALL:50>Q2", Q1,
     "record 2 at byte 78: the length of <CALL:50> runs past the end of the file; skipped\n",
     1, ""},
    {"a length no integer holds", Q + "<EOR>\n<CALL:18446744073709551626>Q2<EOR>",
     Q1,
     "record 2: the length of <CALL:18446744073709551626> runs past the record's <EOR> and the "
     "end of the file; cut there\n"
     "record 2 at byte 78: bad date or time: QSO_DATE \"\", TIME_ON \"\"; skipped\n",
     1, ""},
    {"a length over the record's <EOR>: the next record read",
     Q + "<STATION_CALLSIGN:9>Q1VSC <EOR>\n" + Q2 + "<EOR>", Q1 + Q2read,
     "record 1: the length of <STATION_CALLSIGN:9> runs past the record's <EOR>; cut there, and "
     "record 2 after it read on its own\n" + Q2edge,
     0, "Q1VSC"},
    {"a length past the end of the file, cut at the record's <EOR>",
     Q + "<COMMENT:999999999>x<EOR>\n" + Q2 + "<EOR>", Q1 + Q2read,
     "record 1: the length of <COMMENT:999999999> runs past the record's <EOR> and the end of "
     "the file; cut there, and record 2 after it read on its own\n" + Q2edge,
     0, ""},
    {"a second CALL with no <EOR> before it", Q + Q2 + "<EOR>", Q1 + Q2read,
     "record 2: record 1 has a second <CALL> with no <EOR> before it; read as record 2 from "
     "there\n" + Q2edge,
     0, ""},
    {"FREQ in kHz by mistake",
     "<CALL:2>Q2<QSO_DATE:8>20250215<TIME_ON:4>0605<BAND:3>20m<FREQ:5>14025<EOR>",
     "Q2|2025-02-15 06:05:00|14025000|20|||||",
     "record 1: FREQ 14025 is in kHz, not MHz; read as 14025 kHz\n", 0, ""},
    {"a BAND that is none beside a good FREQ",
     "<CALL:2>Q2<QSO_DATE:8>20250215<TIME_ON:4>0605<BAND:3>21m<FREQ:6>21.025<EOR>",
     "Q2|2025-02-15 06:05:00|21025000|15|||||",
     "record 1: unknown BAND \"21m\"; scored on the band of FREQ 21.025, 15\n", 0, ""},
    {"above 30 MHz, on no band of this contest",
     "<CALL:2>Q1<QSO_DATE:8>20250215<TIME_ON:4>0605<FREQ:6>28.025" + Sent +
         "<CALL:2>Q2<QSO_DATE:8>20250215<TIME_ON:4>0605<FREQ:6>50.100" + Sent +
         "<CALL:2>Q3<QSO_DATE:8>20250215<TIME_ON:4>0605<FREQ:7>144.300" + Sent,
     "Q1|2025-02-15 06:05:00|28025000|10||599|599|5|3;Q2|2025-02-15 06:05:00|50100000|6m||599|"
     "599|5|3;Q3|2025-02-15 06:05:00|144300000|2m||599|599|5|3",
     "", 0, "", "record 2: warning: band 6m" + OffBand + "record 3: warning: band 2m" + OffBand},
    {"a date before 1930", "<CALL:2>Q2<QSO_DATE:8>19291231<TIME_ON:4>2359<BAND:3>40m<EOR>", "",
     "record 1 at byte 0: QSO_DATE 19291231 is before 1930, the earliest date ADIF allows; "
     "skipped\n",
     1, ""},
    {"a header without <EOH> before records", "log\n<ADIF_VER:5>3.1.4\n" + Q + "<EOR>", Q1,
     "the header: no <EOH>; read from its first tag\n", 0, ""},
    {"no CALL", "h<eoh>\n<QSO_DATE:8>20250215<TIME_ON:4>0605<BAND:3>40m<EOR>\n" + Q + "<EOR>",
     Q1, "record 1 at byte 7: no CALL; skipped\n", 1, ""},
    {"bad date and bad time",
     "<CALL:2>Q2<QSO_DATE:8>20250230<TIME_ON:4>0605<BAND:3>40m<EOR>"
     "<CALL:2>Q3<QSO_DATE:8>20250215<TIME_ON:4>0660<BAND:3>40m<EOR>",
     "",
     "record 1 at byte 0: bad date or time: QSO_DATE \"20250230\", TIME_ON \"0605\"; skipped\n"
     "record 2 at byte 61: bad date or time: QSO_DATE \"20250215\", TIME_ON \"0660\"; skipped\n",
     2, ""},
    {"no band from BAND or FREQ",
     "<CALL:2>Q2<QSO_DATE:8>20250215<TIME_ON:4>0605<FREQ:4>12.5<EOR>", "",
     "record 1 at byte 0: no BAND, and no FREQ within a band; skipped\n", 1, ""},
    {"a last record without <EOR>", Q + "<EOR>" + Q, Q1,
     "record 2 at byte 77: the file ends before this record's <EOR>; skipped\n", 1, ""},
    {"a header without <EOH>", "just text, no records", "",
     "record 0 at byte 0: the header has no <EOH>, so no record follows; skipped\n", 1, ""},
};

TEST(AdifLog, EveryRowReadsAsExpected)
{
    for (const Row& row : Rows) {
        const LoadedLog log = loadLogText(row.file);
        EXPECT_EQ(contactsOf(log), row.contacts) << row.name;
        EXPECT_EQ(contactsOf(loadLogText(row.file, LogForm::Packed)), row.contacts) << row.name;
        EXPECT_EQ(linesOf(log.messages), row.messages) << row.name;
        EXPECT_TRUE(row.warnings == "-" || linesOf(log.warnings) == row.warnings)
            << row.name << ": " << linesOf(log.warnings);
        EXPECT_EQ(log.skipped, row.skipped) << row.name;
        EXPECT_EQ(log.stationCall, row.station) << row.name;
    }
}

TEST(AdifLog, RepairedCountsRecordsNotTheHeader)
{
    EXPECT_EQ(loadLogText("log\n" + Q + "<EOR>\n" + Q2 + "<EOR>").repaired, 1u);
    EXPECT_EQ(loadLogText("log\n" + Q + "<EOR>").repaired, 0u);
}

TEST(AdifLog, FrequencyTextConvertsExactly)
{
    const struct {
        const char* text;
        bool ok;
        unsigned hz;
    } rows[] = {{"14.0745", true, 14074500}, {"7", true, 7000000}, {".5", true, 500000},
                {" 3.5 ", true, 3500000},    {"1.8000009", true, 1800000},
                {"4294.967295", true, 4294967295u}, {"4294.967296", false, 0},
                {"14,0745", false, 0},       {"", false, 0},       {"1.2.3", false, 0}};
    for (const auto& row : rows) {
        unsigned hz = 0;
        EXPECT_EQ(frequencyHzFromMHz(row.text, hz), row.ok) << row.text;
        EXPECT_EQ(hz, row.hz) << row.text;
    }
}

}  // namespace
