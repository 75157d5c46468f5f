// Shows the header dialog of the real Stats.dll with sample settings, for a picture of it:
// once the dialog is up it writes its screen rectangle ("WxH+X+Y") to SHOWN-FILE, and after
// SECONDS it cancels it. Usage: show_header_dialog PATH-TO-DLL SHOWN-FILE SECONDS
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "host_calls.h"
#include "plugin_loader.h"

namespace {

const char* const SampleSettings =
    "[Settings]\r\n"
    "Operators=Q0ABC Q0XYZ\r\n"
    "Name=Ivan Operator\r\n"
    "Address=Main Street 1<CR>Flat 2\r\n"
    "Address-City=Vestar\r\n"
    "Address-PostalCode=123456\r\n"
    "Address-Country=Russia\r\n"
    "Claimed=13\r\n"
    "Email=q0abc@example.org\r\n"
    "Club=Vestar Radio Club\r\n"
    "SoapBox=Thanks for the contest!<CR><LF>73\r\n";

BOOL CALLBACK rememberHeaderDialog(HWND window, LPARAM found)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char title[16] = {};
    GetWindowTextA(window, title, sizeof title);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        std::string(title) == "VSC") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void reportThenCancel(const std::string& shownFile, int seconds)
{
    for (int tries = 0; tries < 500; ++tries) {
        HWND dialog = nullptr;
        EnumWindows(rememberHeaderDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog != nullptr) {
            RECT r{};
            GetWindowRect(dialog, &r);
            if (std::FILE* out = std::fopen(shownFile.c_str(), "w")) {
                std::fprintf(out, "%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left,
                             r.top);
                std::fclose(out);
            }
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PATH-TO-DLL SHOWN-FILE SECONDS\n", argv[0]);
        return 2;
    }
    CreateDirectoryA("Plugins", nullptr);
    if (std::FILE* settings = std::fopen("Plugins\\VESTAR.ini", "wb")) {
        std::fputs(SampleSettings, settings);
        std::fclose(settings);
    }
    StatsPlugin plugin;
    std::string error;
    if (!loadStatsPlugin(argv[1], plugin, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::thread closer(reportThenCancel, std::string(argv[2]), std::atoi(argv[3]));
    hostResetStats(plugin, 1, "Q0ABC", DateRecord::make(46362.0));
    closer.join();
    unloadStatsPlugin(plugin);
    return 0;
}
