// Stats.dll carries its own version resource, read with the system's version calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "plugin/version.h"

namespace {

TEST(VersionResource, FixedFileInfoNamesThisVersionAndADll)
{
    const char* path = std::getenv("STATS_LIBRARY");
    ASSERT_NE(path, nullptr);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u) << "no version resource, error " << GetLastError();
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(info->dwFileVersionMS, MAKELONG(STATS_VERSION_MINOR, STATS_VERSION_MAJOR));
    EXPECT_EQ(info->dwFileVersionLS, MAKELONG(STATS_VERSION_BUILD, STATS_VERSION_PATCH));
    EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_DLL));

    char* name = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\OriginalFilename",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(name, "Stats.dll");
}

}  // namespace
