// Answers the plug-in's modal windows from a second thread, as an operator would: waits for a
// window of this process, reads it, then presses one of its buttons.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

struct SeenWindow {
    bool found = false;
    std::string caption;
    std::string text;  // a message box's text
};

inline std::string windowText(HWND window)
{
    char buffer[4096] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

inline BOOL CALLBACK rememberDialogOfThisProcess(HWND window, LPARAM found)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        std::string(className) == "#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

inline HWND findDialogOfThisProcess()
{
    HWND found = nullptr;
    EnumWindows(rememberDialogOfThisProcess, reinterpret_cast<LPARAM>(&found));
    return found;
}

inline std::string className(HWND window)
{
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

// The list items of a combo box, in the order of its list.
inline std::vector<std::string> comboItems(HWND combo)
{
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string item(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item[0]));
        item.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        items.push_back(item);
    }
    return items;
}

// Runs action (which opens a modal window) while a helper thread waits up to ten seconds
// for the window, records it, lets inspect look at it (and type into it), and presses the
// button with buttonId; with buttonId 0 inspect is left to close the window itself.
inline SeenWindow answerModalWindow(const std::function<void()>& action, int buttonId,
                                    const std::function<void(HWND)>& inspect = nullptr)
{
    SeenWindow seen;
    std::thread answerer([&seen, buttonId, &inspect] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            HWND window = findDialogOfThisProcess();
            if (window != nullptr) {
                seen.found = true;
                seen.caption = windowText(window);
                // A message box keeps its text in the static control 0xFFFF.
                HWND textControl = GetDlgItem(window, 0xFFFF);
                seen.text = textControl != nullptr ? windowText(textControl) : std::string();
                if (inspect) {
                    inspect(window);
                }
                if (buttonId != 0) {
                    PostMessageA(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
                }
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    action();
    answerer.join();
    return seen;
}
