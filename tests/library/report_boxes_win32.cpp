// Under Windows a second thread answers the boxes while the action runs: it reads and closes
// each "Output" box and cancels any other dialog of this process.
#include "report_boxes.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "modal_window_win32.h"

std::vector<std::string> reportsShownBy(const std::function<void()>& action)
{
    std::vector<std::string> reports;
    std::atomic<bool> done(false);
    std::thread answerer([&reports, &done] {
        while (!done) {
            HWND window = findDialogOfThisProcess();
            if (window == nullptr) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                continue;
            }
            const bool isReport = windowText(window) == "Output";
            if (isReport) {
                HWND textControl = GetDlgItem(window, 0xFFFF);
                reports.push_back(textControl != nullptr ? windowText(textControl)
                                                         : std::string());
            }
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(isReport ? IDOK : IDCANCEL, BN_CLICKED),
                         0);
            // The same box must not be counted twice.
            while (!done && IsWindow(window) && IsWindowVisible(window)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    });
    action();
    done = true;
    answerer.join();
    return reports;
}
