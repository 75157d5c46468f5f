// The Cabrillo header dialog of the real DLL: shown by ResetStats0 with the export flag,
// checked control by control, typed into and answered from a second thread.
#include <windows.h>

#include <string>
#include <vector>

#include "library_fixture.h"
#include "modal_window_win32.h"
#include "support/files.h"

namespace {

enum class Kind { Edit, Lines, Combo };

struct ExpectedControl {
    int id;
    Kind kind;
    const char* label;
    DWORD styles;  // these must be set; for edit boxes, ES_AUTOHSCROLL exactly when listed
    const char* text;
    std::vector<std::string> items;
};

const DWORD Scrolling = ES_AUTOHSCROLL;
// A combo box hands its vertical scroll bar on to its list, which shows it only when needed;
// the template's bits are compared in tests/check_dialog_template.sh.
const DWORD DropDown = CBS_DROPDOWN;

// What the operator sees with the settings of StoredSettings and the callsign Q0ABC.
const std::vector<ExpectedControl>& expectedControls()
{
    static const std::vector<ExpectedControl> controls = {
        {1009, Kind::Edit, "CONTEST", Scrolling, "VSC", {}},
        {1010, Kind::Edit, "CALLSIGN", Scrolling, "Q0ABC", {}},
        {1008, Kind::Edit, "CLAIMED", Scrolling, "42", {}},
        {1013, Kind::Combo, "CATEGORY-OPERATOR", DropDown, "SINGLE-OP", {"SINGLE-OP", "MULTI-OP"}},
        {1014, Kind::Combo, "CATEGORY-BAND", DropDown, "ALL", {"ALL", ""}},
        {1015, Kind::Combo, "CATEGORY-POWER", DropDown | CBS_SORT, "HIGH", {"HIGH", "LOW"}},
        {1016, Kind::Combo, "CATEGORY-MODE", DropDown, "CW", {"CW", "SSB", "MIXED"}},
        {1017, Kind::Combo, "CATEGORY-OVERLAY", DropDown, "", {"OVER-50"}},
        {1007, Kind::Edit, "NAME", Scrolling, "Stored Name", {}},
        {1002, Kind::Edit, "ADDRESS", 0, "Line A<CR>Line B", {}},
        {1003, Kind::Edit, "ADDRESS-CITY", 0, "", {}},
        {1011, Kind::Edit, "ADDRESS-POSTALCODE", 0, "", {}},
        {1012, Kind::Edit, "ADDRESS-COUNTRY", 0, "", {}},
        {1006, Kind::Edit, "OPERATORS", Scrolling, "Q0ABC", {}},
        {1005, Kind::Edit, "CLUB", Scrolling, "", {}},
        {1001, Kind::Lines, "SOAPBOX", ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, "Hello\r\nWorld",
         {}},
        {1004, Kind::Edit, "E-MAIL", Scrolling, "", {}},
    };
    return controls;
}

const char* const StoredSettings =
    "[Settings]\r\n"
    "Name=Stored Name\r\n"
    "Claimed=42\r\n"
    "Category=MULTI-OP\r\n"
    "Contest=OTHER\r\n"
    "Address=Line A<CR>Line B\r\n"
    "SoapBox=Hello<CR><LF>World\r\n";

std::vector<std::string> staticTexts(HWND dialog)
{
    std::vector<std::string> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(className(child).c_str(), "Static") == 0) {
            texts.push_back(windowText(child));
        }
    }
    return texts;
}

class HeaderDialog : public LoadedLibrary {
protected:
    void SetUp() override
    {
        LoadedLibrary::SetUp();
        support::putFile(settingsPath, StoredSettings);
    }

    SeenWindow exportReset(int button, const std::function<void(HWND)>& inspect)
    {
        return answerModalWindow(
            [this] { hostResetStats(plugin, 1, "Q0ABC", DateRecord::make(46362.0)); }, button,
            inspect);
    }
};

TEST_F(HeaderDialog, ShowsEveryControlAsLaidOutFromTheDllsOwnTemplate)
{
    SeenWindow seen = exportReset(IDCANCEL, [this](HWND dialog) {
        EXPECT_EQ(reinterpret_cast<void*>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)),
                  plugin.module)
            << "made from the plug-in's module, not the host's";
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
        const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        EXPECT_EQ(style & frame, frame);
        const std::vector<std::string> labels = staticTexts(dialog);
        for (const ExpectedControl& e : expectedControls()) {
            HWND control = GetDlgItem(dialog, e.id);
            ASSERT_NE(control, nullptr) << e.label;
            const DWORD got = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
            const char* wantedClass = e.kind == Kind::Combo ? "ComboBox" : "Edit";
            EXPECT_EQ(lstrcmpiA(className(control).c_str(), wantedClass), 0)
                << e.label << ": " << className(control);
            EXPECT_EQ(got & e.styles, e.styles) << e.label << std::hex << ": style " << got;
            if (e.kind == Kind::Edit) {
                EXPECT_EQ(got & (ES_AUTOHSCROLL | ES_MULTILINE), e.styles) << e.label;
                const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE));
                EXPECT_TRUE((got & WS_BORDER) != 0 || (exStyle & WS_EX_CLIENTEDGE) != 0)
                    << e.label << ": a border";
            }
            if (e.kind == Kind::Combo) {
                EXPECT_EQ(got & 3u, static_cast<DWORD>(CBS_DROPDOWN)) << e.label;
                EXPECT_EQ(comboItems(control), e.items) << e.label;
            }
            EXPECT_EQ(windowText(control), e.text) << e.label;
            bool labelled = false;
            for (const std::string& label : labels) {
                labelled = labelled || label == e.label;
            }
            EXPECT_TRUE(labelled) << "no label " << e.label;
        }
        EXPECT_EQ(SendDlgItemMessageA(dialog, 1013, CB_GETCURSEL, 0, 0), 0)
            << "the matching item is selected";
        EXPECT_EQ(SendDlgItemMessageA(dialog, 1017, CB_GETCURSEL, 0, 0), CB_ERR)
            << "an empty text selects nothing";
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDOK)), "OK");
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDCANCEL)), "CANCEL");
    });
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, "VSC");
}

TEST_F(HeaderDialog, OkSavesWhatWasTypedOrSelectedButNotClaimed)
{
    SeenWindow seen = exportReset(IDOK, [](HWND dialog) {
        SetDlgItemTextA(dialog, 1007, "Typed Name");
        SetDlgItemTextA(dialog, 1001, "typed one\r\ntyped two");
        SetDlgItemTextA(dialog, 1008, "999");
        SetDlgItemTextA(dialog, 1009, "TYPED");
        SendDlgItemMessageA(dialog, 1013, CB_SETCURSEL, 1, 0);  // MULTI-OP
        SetDlgItemTextA(dialog, 1004, "op@example.org");
    });
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(support::fileText(settingsPath),
              "[Settings]\r\n"
              "Name=Typed Name\r\n"
              "Claimed=42\r\n"
              "Category=MULTI-OP\r\n"
              "Contest=TYPED\r\n"
              "Address=Line A<CR>Line B\r\n"
              "SoapBox=typed one<CR><LF>typed two\r\n"
              "Operators=Q0ABC\r\n"
              "Address-City=\r\n"
              "Address-PostalCode=\r\n"
              "Address-Country=\r\n"
              "Email=op@example.org\r\n"
              "Club=\r\n");
}

TEST_F(HeaderDialog, CancelOrClosingTheWindowWritesNothing)
{
    for (int way = 0; way < 2; ++way) {
        SeenWindow seen = exportReset(way == 0 ? IDCANCEL : 0, [way](HWND dialog) {
            SetDlgItemTextA(dialog, 1007, "Typed Name");
            if (way == 1) {
                PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
        });
        EXPECT_TRUE(seen.found) << way;
        EXPECT_EQ(support::fileText(settingsPath), StoredSettings) << (way == 0 ? "CANCEL" : "closed");
    }
}

TEST_F(HeaderDialog, TheOverlayOfTheLastOkOpensOnItsMatchingItem)
{
    exportReset(IDOK, [](HWND dialog) { SetDlgItemTextA(dialog, 1017, "over"); });
    std::string overlay;
    LRESULT selected = CB_ERR;
    exportReset(IDCANCEL, [&overlay, &selected](HWND dialog) {
        overlay = windowText(GetDlgItem(dialog, 1017));
        selected = SendDlgItemMessageA(dialog, 1017, CB_GETCURSEL, 0, 0);
    });
    EXPECT_EQ(overlay, "OVER-50") << "the first item that begins with \"over\", ignoring case";
    EXPECT_EQ(selected, 0);
}

}  // namespace
