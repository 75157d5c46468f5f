// The plug-in's message boxes under Windows, shown by the real DLL and answered by a thread.
#include <gtest/gtest.h>

#include <cstdlib>

#include "modal_window_win32.h"
#include "plugin_loader.h"

namespace {

TEST(MessageBoxes, SetupSet0ShowsItsNoteAndReturnsWhenClosed)
{
    const char* path = std::getenv("STATS_LIBRARY");
    ASSERT_NE(path, nullptr);
    StatsPlugin plugin;
    std::string error;
    ASSERT_TRUE(loadStatsPlugin(path, plugin, error)) << error;

    bool hasIcon = true;
    SeenWindow box = answerModalWindow([&plugin] { plugin.SetupSet0(); }, IDOK,
                                       [&hasIcon](HWND window) {
                                           // The icon of a message box is the static control 20.
                                           hasIcon = GetDlgItem(window, 20) != nullptr &&
                                                     IsWindowVisible(GetDlgItem(window, 20));
                                       });
    EXPECT_TRUE(box.found);
    EXPECT_EQ(box.text, "No additional setup for this contest");
    EXPECT_EQ(box.caption, "Error") << "no caption of its own: the system's default";
    EXPECT_FALSE(hasIcon);
    unloadStatsPlugin(plugin);
}

}  // namespace
