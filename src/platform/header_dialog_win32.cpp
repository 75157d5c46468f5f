// Win32 back end of the Cabrillo header dialog: template IDD_CABRILLO of this module, shown
// modally with no owner; texts are copied into the controls when it opens and out on OK.
#include "platform/platform.h"

#include <windows.h>

#include <utility>

#include "platform/header_dialog_controls.h"
#include "platform/header_dialog_ids.h"

namespace platform {

namespace {

// An object of this module, to find the module (the plug-in, not the host) by address.
const char ModuleAnchor = 0;

const int ExchangeOrder[] = {
    IDC_CALLSIGN,     IDC_CLAIMED,        IDC_CLUB,         IDC_CATEGORY_OPERATOR,
    IDC_CONTEST,      IDC_EMAIL,          IDC_NAME,         IDC_OPERATORS,
    IDC_SOAPBOX,      IDC_ADDRESS,        IDC_CATEGORY_BAND, IDC_CATEGORY_MODE,
    IDC_CATEGORY_POWER, IDC_ADDRESS_POSTALCODE, IDC_ADDRESS_COUNTRY, IDC_ADDRESS_CITY,
    IDC_CATEGORY_OVERLAY};

struct DialogState {
    const HeaderDialogTexts* start;
    HeaderDialogTexts confirmed;
};

const HeaderControl* controlWithId(int id)
{
    for (const HeaderControl& control : headerControls()) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

std::string controlText(HWND control)
{
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(control, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

void copyIn(HWND dialog, const HeaderDialogTexts& texts)
{
    for (const HeaderControl& control : headerControls()) {
        for (const std::string& item : control.items) {
            SendDlgItemMessageA(dialog, control.id, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item.c_str()));
        }
    }
    for (int id : ExchangeOrder) {
        const HeaderControl* control = controlWithId(id);
        const std::string& text = texts.*(control->text);
        if (control->kind == ControlKind::Combo && !text.empty()) {
            // The first item that begins with the text, ignoring case.
            const LRESULT item = SendDlgItemMessageA(dialog, id, CB_FINDSTRING,
                                                     static_cast<WPARAM>(-1),
                                                     reinterpret_cast<LPARAM>(text.c_str()));
            if (item != CB_ERR) {
                SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
                continue;
            }
        }
        SetDlgItemTextA(dialog, id, text.c_str());
    }
}

HeaderDialogTexts copyOut(HWND dialog)
{
    HeaderDialogTexts texts;
    for (int id : ExchangeOrder) {
        texts.*(controlWithId(id)->text) = controlText(GetDlgItem(dialog, id));
    }
    return texts;
}

INT_PTR CALLBACK headerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    // No exception may unwind through the system's dialog code.
    try {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            copyIn(dialog, *reinterpret_cast<DialogState*>(lParam)->start);
            return TRUE;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
            auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
            state->confirmed = copyOut(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
    } catch (...) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool showHeaderDialog(HeaderDialogTexts& texts)
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            &ModuleAnchor, &module)) {
        return false;
    }
    DialogState state{&texts, HeaderDialogTexts()};
    // -1 or 0 when the dialog could not be made: not confirmed either.
    const INT_PTR result = DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_CABRILLO), nullptr,
                                           headerDialogProc,
                                           reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) {
        return false;
    }
    texts = std::move(state.confirmed);
    return true;
}

}  // namespace platform
