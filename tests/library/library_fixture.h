// A test fixture holding the real Stats library, loaded from STATS_LIBRARY as the host loads
// it, with a fresh log and a working folder that has the host's Plugins folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host_calls.h"
#include "plugin_loader.h"
#include "support/files.h"

class LoadedLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* path = std::getenv("STATS_LIBRARY");
        ASSERT_NE(path, nullptr) << "STATS_LIBRARY names the library under test";
        std::string error;
        ASSERT_TRUE(loadStatsPlugin(path, plugin, error)) << error;
        std::remove(settingsPath);
        hostResetStats(plugin, 0, "Q0ABC", DateRecord::make(46362.0));
    }
    void TearDown() override { unloadStatsPlugin(plugin); }

    static HostContact contact(const std::string& call, const std::string& band,
                               const std::string& exchRcvd, double time = 46362.5)
    {
        HostContact c;
        c.call = call;
        c.band = band;
        c.mode = "CW";
        c.rstSent = "599";
        c.rstRcvd = "599";
        c.exchSent = "001";
        c.exchRcvd = exchRcvd;
        c.frequencyHz = 7012000;
        c.time = DateRecord::make(time);
        return c;
    }

    // The tests run in a folder of their own with a Plugins folder (see cmake/tests.cmake).
    static constexpr const char* settingsPath = "Plugins/VESTAR.ini";
    StatsPlugin plugin;
};
