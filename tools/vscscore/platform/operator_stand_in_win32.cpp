// Answers the plug-in's modal windows from a second thread while the call blocks in them.
#include "platform/operator_stand_in.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

namespace {

struct DialogSearch {
    HWND skip = nullptr;
    HWND found = nullptr;
};

BOOL CALLBACK rememberDialog(HWND window, LPARAM search)
{
    DialogSearch& s = *reinterpret_cast<DialogSearch*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (window != s.skip && process == GetCurrentProcessId() && IsWindowVisible(window) &&
        lstrcmpA(className, "#32770") == 0) {
        s.found = window;
        return FALSE;
    }
    return TRUE;
}

std::string windowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool operatorAtConsole()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != FALSE;
}

void press(HWND window, int button)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

}  // namespace

std::string asOperator(const std::function<void()>& call)
{
    const bool present = operatorAtConsole();
    std::atomic<bool> done(false);
    std::string report;  // the watcher's alone until it is joined
    std::thread watcher([&done, &report, present] {
        DialogSearch search;  // search.skip: a form left to the operator
        while (!done.load()) {
            search.found = nullptr;
            EnumWindows(rememberDialog, reinterpret_cast<LPARAM>(&search));
            HWND window = search.found;
            if (window == nullptr) {
                Sleep(20);
                continue;
            }
            // A message box keeps its text in the static control 0xFFFF; the header form has
            // labels under that id too, but it alone has edit boxes.
            HWND text = GetDlgItem(window, 0xFFFF);
            const bool messageBox =
                text != nullptr && FindWindowExA(window, nullptr, "Edit", nullptr) == nullptr;
            if (messageBox) {
                const std::string line = windowText(window) + ": " + windowText(text) + "\n";
                report += line;
                std::fputs(line.c_str(), stderr);
                std::fflush(stderr);
                press(window, IDOK);
            } else if (!present) {
                std::fprintf(stderr, "no operator at a console: the header form is cancelled\n");
                std::fflush(stderr);
                press(window, IDCANCEL);
            } else {
                search.skip = window;
                continue;
            }
            while (!done.load() && IsWindow(window)) {
                Sleep(20);
            }
        }
    });
    call();
    done = true;
    watcher.join();
    return report;
}
