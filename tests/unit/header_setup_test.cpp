// SetupHeader against a scripted dialog: what the dialog is shown, what OK keeps and saves,
// what CANCEL leaves alone, and the file base name.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cabrillo/cabrillo_writer.h"
#include "cabrillo/settings.h"
#include "platform/platform.h"
#include "support/files.h"

namespace {

using platform::HeaderDialogTexts;

const SettingsLocation Settings{"Settings", "Plugins\\header_setup_test.ini"};
const char* const SettingsPath = "Plugins/header_setup_test.ini";

// A dialog that records what it was shown, lets edit change it, and answers ok.
struct ScriptedDialog {
    bool ok = false;
    void (*edit)(HeaderDialogTexts&) = nullptr;
    std::vector<HeaderDialogTexts> shown;

    CCabrilloWriter::HeaderDialog function()
    {
        return [this](HeaderDialogTexts& texts) {
            shown.push_back(texts);
            if (edit != nullptr) {
                edit(texts);
            }
            return ok;
        };
    }
};

// The keys of the settings file in the order they stand there, with their values.
std::vector<std::pair<std::string, std::string>> savedKeys()
{
    std::vector<std::pair<std::string, std::string>> keys;
    const std::string text = support::fileText(SettingsPath);
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = text.substr(start, end - start);
        const std::string::size_type equals = line.find('=');
        if (equals != std::string::npos) {
            keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
        start = text.find_first_not_of("\r\n", end);
    }
    return keys;
}

class HeaderSetup : public ::testing::Test {
protected:
    void SetUp() override { std::remove(SettingsPath); }
    void TearDown() override { std::remove(SettingsPath); }

    static void store(const char* key, const std::string& value)
    {
        ASSERT_TRUE(writeSetting(Settings, key, value)) << key;
    }

    CCabrilloWriter writer;
};

TEST_F(HeaderSetup, WithNoSettingsTheDialogShowsDefaultsAndOperatorsIsTheCallsign)
{
    ScriptedDialog dialog;
    EXPECT_EQ(writer.SetupHeader("Q0ABC", Settings, dialog.function()), 0);
    ASSERT_EQ(dialog.shown.size(), 1u);
    const HeaderDialogTexts& t = dialog.shown[0];
    EXPECT_EQ(t.callsign, "Q0ABC");
    EXPECT_EQ(t.operators, "Q0ABC");
    EXPECT_EQ(t.contest, "VSC");
    EXPECT_EQ(t.categoryOperator, "SINGLE-OP");
    EXPECT_EQ(t.categoryBand, "ALL");
    EXPECT_EQ(t.categoryPower, "HIGH");
    EXPECT_EQ(t.categoryMode, "CW");
    for (const std::string* empty : {&t.name, &t.address, &t.addressCity, &t.addressPostalCode,
                                     &t.addressCountry, &t.claimed, &t.email, &t.club,
                                     &t.soapBox, &t.categoryOverlay}) {
        EXPECT_EQ(*empty, "");
    }
    EXPECT_EQ(support::fileText(SettingsPath), "") << "a cancelled dialog writes nothing";
}

TEST_F(HeaderSetup, StoredValuesShowWholeButCategoriesAndContestAreFixed)
{
    const std::string longName(150, 'n');
    store("Name", longName);
    store("Operators", "Q0ABC Q0XYZ");
    store("Claimed", "42");
    store("Category", "MULTI-OP");
    store("Contest", "OTHER");
    ScriptedDialog dialog;
    writer.SetupHeader("Q0ABC", Settings, dialog.function());
    ASSERT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(dialog.shown[0].name, longName) << "read whole, not cut to 99 characters";
    EXPECT_EQ(dialog.shown[0].operators, "Q0ABC Q0XYZ");
    EXPECT_EQ(dialog.shown[0].claimed, "42");
    EXPECT_EQ(dialog.shown[0].categoryOperator, "SINGLE-OP");
    EXPECT_EQ(dialog.shown[0].contest, "VSC");
}

TEST_F(HeaderSetup, OkTakesEveryTextButClaimedAndSavesTheKeysInOrder)
{
    store("Claimed", "42");
    writer.QsoLines = {"QSO: old"};
    ScriptedDialog dialog;
    dialog.ok = true;
    dialog.edit = [](HeaderDialogTexts& t) {
        t.callsign = "Q9NEW";
        t.operators = "Q9NEW Q9TWO";
        t.name = std::string(120, 'x');
        t.address = "Street 1";
        t.addressCity = "City";
        t.addressPostalCode = "12345";
        t.addressCountry = "Country";
        t.claimed = "999";
        t.contest = "TYPED";
        t.categoryOperator = "MULTI-OP";
        t.categoryBand = "";
        t.categoryPower = "LOW";
        t.categoryMode = "MIXED";
        t.categoryOverlay = "OVER-50";
        t.email = "op@example.org";
        t.club = "Club";
        t.soapBox = "Soap";
    };
    EXPECT_EQ(writer.SetupHeader("Q0ABC", Settings, dialog.function()), 1);

    EXPECT_EQ(writer.Callsign, "Q9NEW");
    EXPECT_EQ(writer.FileBase, "Q0ABC") << "from the argument, not the typed callsign";
    EXPECT_EQ(writer.Claimed, "42") << "CLAIMED is shown only";
    EXPECT_EQ(writer.Contest, "TYPED");
    EXPECT_EQ(writer.CategoryOperator, "MULTI-OP");
    EXPECT_EQ(writer.CategoryBand, "");
    EXPECT_EQ(writer.CategoryPower, "LOW");
    EXPECT_EQ(writer.CategoryMode, "MIXED");
    EXPECT_EQ(writer.CategoryOverlay, "OVER-50");
    EXPECT_TRUE(writer.QsoLines.empty());

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Claimed", "42"},
        {"Operators", "Q9NEW Q9TWO"},
        {"Name", std::string(120, 'x')},
        {"Address", "Street 1"},
        {"Address-City", "City"},
        {"Address-PostalCode", "12345"},
        {"Address-Country", "Country"},
        {"Category", "MULTI-OP"},
        {"Contest", "TYPED"},
        {"Email", "op@example.org"},
        {"Club", "Club"},
        {"SoapBox", "Soap"},
    };
    EXPECT_EQ(savedKeys(), expected);
}

TEST_F(HeaderSetup, OverlayComesFromTheLastConfirmedDialogOfTheSameLoad)
{
    ScriptedDialog confirm;
    confirm.ok = true;
    confirm.edit = [](HeaderDialogTexts& t) { t.categoryOverlay = "OVER-50"; };
    writer.SetupHeader("Q0ABC", Settings, confirm.function());
    ASSERT_EQ(confirm.shown.size(), 1u);
    EXPECT_EQ(confirm.shown[0].categoryOverlay, "") << "empty after load";

    ScriptedDialog cancel;
    writer.SetupHeader("Q0ABC", Settings, cancel.function());
    writer.SetupHeader("Q0ABC", Settings, cancel.function());
    ASSERT_EQ(cancel.shown.size(), 2u);
    EXPECT_EQ(cancel.shown[0].categoryOverlay, "OVER-50");
    EXPECT_EQ(cancel.shown[1].categoryOverlay, "OVER-50");

    CCabrilloWriter reloaded;
    ScriptedDialog afterLoad;
    reloaded.SetupHeader("Q0ABC", Settings, afterLoad.function());
    EXPECT_EQ(afterLoad.shown.at(0).categoryOverlay, "") << "not a stored setting";
}

TEST_F(HeaderSetup, SoapboxAndAddressRoundTrip)
{
    store("SoapBox", "Hello there<CR><LF>Second line");
    store("Address", "Line A<CR>Line B");
    ScriptedDialog dialog;
    dialog.ok = true;
    writer.SetupHeader("Q0ABC", Settings, dialog.function());
    ASSERT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(dialog.shown[0].soapBox, "Hello there\r\nSecond line");
    EXPECT_EQ(dialog.shown[0].address, "Line A<CR>Line B") << "markers stay as typed";

    EXPECT_EQ(readSetting(Settings, "SoapBox", ""), "Hello there<CR><LF>Second line");
    EXPECT_EQ(readSetting(Settings, "Address", ""), "Line A<CR>Line B");
    EXPECT_EQ(writer.SoapBox, "Hello there\r\nSOAPBOX: Second line");
    EXPECT_EQ(writer.Address, "Line A\r\nADDRESS: Line B");

    // Line breaks typed into the box, lone ones included, are saved as markers.
    dialog.edit = [](HeaderDialogTexts& t) { t.soapBox = "one\r\ntwo\nthree"; };
    writer.SetupHeader("Q0ABC", Settings, dialog.function());
    EXPECT_EQ(readSetting(Settings, "SoapBox", ""), "one<CR><LF>two<LF>three");
    EXPECT_EQ(writer.SoapBox, "one\r\nSOAPBOX: twothree");
}

TEST_F(HeaderSetup, CancelLeavesTheFileTheQsoLinesAndTheLoadedValues)
{
    store("SoapBox", "a<CR><LF>b");
    store("Name", "Stored");
    const std::string before = support::fileText(SettingsPath);
    writer.QsoLines = {"QSO: one", "QSO: two"};
    ScriptedDialog dialog;
    dialog.edit = [](HeaderDialogTexts& t) {
        t.name = "Typed";
        t.callsign = "Q9NEW";
    };
    EXPECT_EQ(writer.SetupHeader("Q0ABC", Settings, dialog.function()), 0);
    EXPECT_EQ(support::fileText(SettingsPath), before);
    EXPECT_EQ(writer.QsoLines, (std::vector<std::string>{"QSO: one", "QSO: two"}));
    EXPECT_EQ(writer.Name, "Stored");
    EXPECT_EQ(writer.Callsign, "Q0ABC");
    EXPECT_EQ(writer.SoapBox, "a\r\nb") << "the soapbox stays in its line-break form";
    EXPECT_EQ(writer.SetupHeader("Q0ABC", Settings, nullptr), 0) << "no dialog at all";
}

TEST_F(HeaderSetup, ASoapboxLineThatBeginsWithTheTagIsWrittenWholeWhetherConfirmedOrNot)
{
    store("SoapBox", "a<CR><LF>SOAPBOX: b");
    for (const bool ok : {false, true}) {
        ScriptedDialog dialog;
        dialog.ok = ok;
        writer.SetupHeader("Q0ABC", Settings, dialog.function());
        EXPECT_EQ(writer.WriteLog(0), "File produced: Q0ABC.cbr");
        const std::string file = support::fileText("Q0ABC.cbr");
        EXPECT_NE(file.find("\r\nSOAPBOX: a\r\nSOAPBOX: SOAPBOX: b\r\n"), std::string::npos)
            << (ok ? "confirmed" : "cancelled") << "\n" << file;
        std::remove("Q0ABC.cbr");
    }
}

TEST_F(HeaderSetup, FileBaseIsAPlainFileNameInTheCurrentFolder)
{
    struct Row {
        const char* callsign;
        const char* expected;
    };
    const Row rows[] = {
        {"", "QQLOG"},
        {" \t\r\n\v\f", "QQLOG"},
        {"  AB/P ", "AB_P"},
        {"A\\B/C", "A_B_C"},
        {"/", "_"},
        {"A<B>C:D\"E|F?G*H", "A_B_C_D_E_F_G_H"},
        {"A\x01" "B\x1f" "C\x7f", "A_B_C_"},
        {"A B\tC", "A B_C"},
        {"CON", "CON_"},
        {"con", "con_"},
        {"Prn", "Prn_"},
        {"AUX", "AUX_"},
        {"nul", "nul_"},
        {"COM1", "COM1_"},
        {"lpt9", "lpt9_"},
        {"NUL.P", "NUL_.P"},
        {"CON .x", "CON_ .x"},
        {"COM0", "COM0"},
        {"COM10", "COM10"},
        {"CONS", "CONS"},
        {"Q0CON", "Q0CON"},
        {".CON", ".CON"},
    };
    for (const Row& row : rows) {
        ScriptedDialog dialog;
        writer.SetupHeader(row.callsign, Settings, dialog.function());
        EXPECT_EQ(writer.FileBase, row.expected) << "callsign \"" << row.callsign << "\"";
        EXPECT_EQ(writer.Callsign, row.callsign);
    }
}

TEST(ReplaceAll, ReplacesEveryOccurrenceAndNeverSearchesInsertedText)
{
    struct Row {
        const char* source;
        const char* search;
        const char* replacement;
        const char* expected;
    };
    const Row rows[] = {
        {"", "<CR>", "\r", ""},
        {"abc", "<CR>", "\r", "abc"},
        {"<CR>a<CR><CR>", "<CR>", "\r\nSOAPBOX: ", "\r\nSOAPBOX: a\r\nSOAPBOX: \r\nSOAPBOX: "},
        {"aXa", "a", "aa", "aaXaa"},
        {"aaa", "aa", "b", "ba"},
        {"<cr>", "<CR>", "x", "<cr>"},
        {"a<LF>b", "<LF>", "", "ab"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CCabrilloWriter::ReplaceAll(row.source, row.search, row.replacement),
                  row.expected)
            << "\"" << row.source << "\" with \"" << row.search << "\" -> \"" << row.replacement
            << "\"";
    }
}

}  // namespace
