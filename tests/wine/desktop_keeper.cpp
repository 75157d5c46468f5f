// Keeps Wine's desktop up for a whole test run. Wine closes its desktop when the last program
// using it ends and starts it again for the next one, which costs most of a second per test
// program that shows a window; this program uses the desktop and waits until the run's
// wineserver is stopped.
#include <windows.h>

int main()
{
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
