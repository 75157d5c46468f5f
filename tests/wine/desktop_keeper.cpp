// Keeps Wine's desktop up for a whole test run. Wine closes its desktop when the last program
// using it ends and starts it again for the next one, which costs most of a second per test
// program that shows a window; this program uses the desktop and waits until the run's
// wineserver is stopped.
// Usage: desktop_keeper [READY]: READY, a file made once the desktop is up. The run's set-up
// waits for it: a test program started before would start the desktop itself, and the
// desktop would hold that program's output open, and the test with it, until the run ends.
#include <windows.h>

int main(int argc, char** argv)
{
    GetDesktopWindow();
    if (argc > 1) {
        HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready != INVALID_HANDLE_VALUE) {
            CloseHandle(ready);
        }
    }
    Sleep(INFINITE);
    return 0;
}
