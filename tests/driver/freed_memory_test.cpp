// Memory the driver frees in the middle of its heap goes back to the system when asked: the
// export's peak depends on it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "freed_memory.h"

namespace {

// Resident anonymous memory in kB, or -1 where the system does not say.
long residentAnonymousKb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long kb = -1;
    while (status >> key) {
        if (key == "RssAnon:") {
            status >> kb;
            break;
        }
    }
    return kb;
}

TEST(FreedMemory, BlocksFreedBelowALiveOneAreGivenBack)
{
    if (residentAnonymousKb() < 0) {
        GTEST_SKIP() << "no /proc/self/status here";
    }
    // Small blocks come from the heap itself, not from mappings of their own; the last one
    // stays, so the C library cannot give the rest back by shrinking the heap's end.
    const std::size_t blockSize = 4096;
    const std::size_t count = 8192;  // 32 MB
    std::vector<char*> blocks(count);
    for (char*& block : blocks) {
        block = static_cast<char*>(std::malloc(blockSize));
        ASSERT_NE(block, nullptr);
        std::memset(block, 1, blockSize);
    }
    char* const fence = static_cast<char*>(std::malloc(blockSize));
    ASSERT_NE(fence, nullptr);
    std::memset(fence, 1, blockSize);
    for (char* block : blocks) {
        std::free(block);
    }
    const long before = residentAnonymousKb();
    returnFreedMemory();
    const long after = residentAnonymousKb();
    std::free(fence);
    EXPECT_GT(before - after, 16 * 1024) << before << " kB before, " << after << " kB after";
}

}  // namespace
