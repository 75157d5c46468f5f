// The names and notes the cross-check writes for what a mailbox holds: file bases any system
// and web server takes, and the note that says which of two saves of a log counts.
#include <gtest/gtest.h>

#include <string>

#include "contest/log_set.h"
#include "crosscheck_output/output_names.h"
#include "cli/shown_text.h"

namespace {

TEST(CrosscheckOutputs, FileBases)
{
    const std::string longCall = "Q1" + std::string(300, 'A');
    const std::string otherLong = "Q1" + std::string(299, 'A') + "B";
    const struct {
        const char* name;
        std::string call;
        std::string base;  // empty: only the checks below
    } rows[] = {
        {"a plain call", "R1ABC", "R1ABC"},
        {"a portable call", "R1ABC/P", "R1ABC_P"},
        {"a call climbing folders", "../../X", "___.._X"},
        {"a hidden name", ".X", "_X"},
        {"64 bytes stay", std::string(64, 'Q'), std::string(64, 'Q')},
        {"65 bytes are cut", std::string(65, 'Q'), ""},
        {"a 302-byte call", longCall, ""},
    };
    for (const auto& row : rows) {
        const std::string base = outputFileBase(row.call);
        if (!row.base.empty()) {
            EXPECT_EQ(base, row.base) << row.name;
        }
        EXPECT_LE(base.size(), MostBaseBytes) << row.name << ": " << base;
        EXPECT_NE(base[0], '.') << row.name << ": " << base;
        EXPECT_EQ(base, outputFileBase(row.call)) << row.name << ": not stable";
    }
    EXPECT_NE(outputFileBase(longCall), outputFileBase(otherLong)) << "two long calls, one name";
}

TEST(CrosscheckOutputs, WhyOneOfTwoSavesCounts)
{
    auto log = [](uint64_t modified, std::size_t lines) {
        LogInput l;
        l.modified = modified;
        l.qsos.resize(lines);
        return l;
    };
    const struct {
        const char* name;
        LogInput loser;
        LogInput winner;
        const char* why;
    } rows[] = {
        {"modified later", log(1, 9), log(2, 3), "was modified later"},
        {"the same time, more lines", log(2, 3), log(2, 9),
         "the same modification time; the larger counts: 9 QSO lines to 3"},
        {"the same time, as many lines", log(2, 3), log(2, 3),
         "the same modification time and as many QSO lines; the name sorting last counts"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(supersededWhy(row.loser, row.winner), row.why) << row.name;
    }
}

TEST(CrosscheckOutputs, OneLineText)
{
    const struct {
        const char* name;
        std::string text;
        const char* shown;
    } rows[] = {
        {"plain", "R1ABC", "R1ABC"},
        {"a screen clear", "Q4\x1b[2JX", "Q4\\x1b[2JX"},
        {"a line feed in a file name", "two\nlines.cbr", "two\\x0alines.cbr"},
        {"a tab", "a\tb", "a\\x09b"},
        {"UTF-8 kept", "R1\xc3\xa9", "R1\xc3\xa9"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(shownLine(row.text), row.shown) << row.name;
    }
}

}  // namespace
