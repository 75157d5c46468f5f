// Win32 back end of the Cabrillo header dialog: the layout's template of this module, shown
// modally with no owner; texts are copied into the controls when it opens and out on OK.
#include "platform/platform.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace platform {

namespace {

// An object of this module, to find the module (the plug-in, not the host) by address.
const char ModuleAnchor = 0;

struct DialogState {
    const HeaderDialogLayout* layout;
    const HeaderDialogTexts* start;
    HeaderDialogTexts confirmed;
};

// The controls in the order their texts are exchanged.
std::vector<const HeaderControl*> exchangeOrder(const HeaderDialogLayout& layout)
{
    std::vector<const HeaderControl*> order;
    for (const HeaderControl& control : layout.controls) {
        order.push_back(&control);
    }
    std::sort(order.begin(), order.end(), [](const HeaderControl* a, const HeaderControl* b) {
        return a->exchange < b->exchange;
    });
    return order;
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

void copyIn(HWND dialog, const HeaderDialogLayout& layout, const HeaderDialogTexts& texts)
{
    for (const HeaderControl& control : layout.controls) {
        for (const std::string& item : control.items) {
            SendDlgItemMessageA(dialog, control.id, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item.c_str()));
        }
    }
    for (const HeaderControl* control : exchangeOrder(layout)) {
        const std::string& text = texts.*(control->text);
        if (control->kind == ControlKind::Combo && !text.empty()) {
            // The first item that begins with the text, ignoring case.
            const LRESULT item = SendDlgItemMessageA(dialog, control->id, CB_FINDSTRING,
                                                     static_cast<WPARAM>(-1),
                                                     reinterpret_cast<LPARAM>(text.c_str()));
            if (item != CB_ERR) {
                SendDlgItemMessageA(dialog, control->id, CB_SETCURSEL,
                                    static_cast<WPARAM>(item), 0);
                continue;
            }
        }
        SetDlgItemTextA(dialog, control->id, text.c_str());
    }
}

HeaderDialogTexts copyOut(HWND dialog, const HeaderDialogLayout& layout)
{
    HeaderDialogTexts texts;
    for (const HeaderControl* control : exchangeOrder(layout)) {
        texts.*(control->text) = controlText(GetDlgItem(dialog, control->id));
    }
    return texts;
}

INT_PTR CALLBACK headerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    // No exception may unwind through the system's dialog code.
    try {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            const auto* state = reinterpret_cast<const DialogState*>(lParam);
            copyIn(dialog, *state->layout, *state->start);
            return TRUE;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
            auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
            state->confirmed = copyOut(dialog, *state->layout);
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

bool showHeaderDialog(const HeaderDialogLayout& layout, HeaderDialogTexts& texts)
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            &ModuleAnchor, &module)) {
        return false;
    }
    DialogState state{&layout, &texts, HeaderDialogTexts()};
    // -1 or 0 when the dialog could not be made: not confirmed either.
    const INT_PTR result = DialogBoxParamA(module, MAKEINTRESOURCEA(layout.templateId), nullptr,
                                           headerDialogProc,
                                           reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) {
        return false;
    }
    texts = std::move(state.confirmed);
    return true;
}

}  // namespace platform
