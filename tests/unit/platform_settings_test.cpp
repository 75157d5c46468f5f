// The settings service of whichever back end is built: "\" paths relative to the current
// folder, values read back whole, and no value that could add a line.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cabrillo/settings.h"
#include "platform/platform.h"
#include "plugin/module_state.h"

namespace {

const char* const File = "Plugins\\platform_settings_test.ini";

class PlatformSettings : public ::testing::Test {
protected:
    // The test runs in a folder whose Plugins folder the build made.
    void SetUp() override { std::remove("Plugins/platform_settings_test.ini"); }
    void TearDown() override { std::remove("Plugins/platform_settings_test.ini"); }
};

TEST_F(PlatformSettings, LongValuesComeBackWhole)
{
    for (std::size_t length : {99u, 100u, 254u, 255u, 256u, 511u, 4000u}) {
        std::string value;
        for (std::size_t i = 0; i < length; ++i) {
            value += static_cast<char>('a' + i % 26);
        }
        ASSERT_TRUE(platform::writeProfileString("Settings", "SoapBox", value, File)) << length;
        EXPECT_EQ(platform::readProfileString("Settings", "SoapBox", "-", File), value)
            << "a value of " << length << " characters";
    }
}

TEST_F(PlatformSettings, MissingKeysGiveTheDefaultAndNamesIgnoreCase)
{
    EXPECT_EQ(platform::readProfileString("Settings", "Name", "none", File), "none");
    ASSERT_TRUE(platform::writeProfileString("Settings", "Name", "Q0 Operator", File));
    EXPECT_EQ(platform::readProfileString("SETTINGS", "name", "none", File), "Q0 Operator");
    EXPECT_EQ(platform::readProfileString("Other", "Name", "none", File), "none");
}

TEST_F(PlatformSettings, ALineBreakInAValueIsRefusedAndTheFileKept)
{
    ASSERT_TRUE(platform::writeProfileString("Settings", "Club", "first", File));
    for (const char* value : {"a\r\nClaimed=999", "a\nb", "a\rb"}) {
        EXPECT_FALSE(platform::writeProfileString("Settings", "Club", value, File)) << value;
    }
    EXPECT_EQ(platform::readProfileString("Settings", "Club", "", File), "first");
    EXPECT_EQ(platform::readProfileString("Settings", "Claimed", "none", File), "none");
}

TEST(PluginSettings, UseTheSettingsSectionOfVestarIni)
{
    std::remove("Plugins/VESTAR.ini");
    ASSERT_TRUE(writeSetting(pluginSettings(), "Claimed", "13"));
    EXPECT_EQ(readSetting(pluginSettings(), "Claimed", ""), "13");
    EXPECT_EQ(platform::readProfileString("Settings", "Claimed", "", "Plugins\\VESTAR.ini"),
              "13");
    std::remove("Plugins/VESTAR.ini");
}

}  // namespace
