// Large blocks the driver frees go back to the system at once: the export's peak depends on it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/freed_memory.h"

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

// Held where the compiler cannot see it unused, so that no allocation is left out.
char* volatile lastBlock = nullptr;

char* touchedBlock(std::size_t size)
{
    char* block = static_cast<char*>(std::malloc(size));
    if (block != nullptr) {
        std::memset(block, 1, size);
    }
    lastBlock = block;
    return lastBlock;
}

TEST(FreedMemory, LargeBlocksGoBackTheMomentTheyAreFreed)
{
    if (residentAnonymousKb() < 0) {
        GTEST_SKIP() << "no /proc/self/status here";
    }
    // A freed block of its own mapping teaches glibc to keep blocks that large in its heap,
    // as reading a log does; the call undoes that.
    std::free(touchedBlock(16 << 20));
    returnLargeBlocksAtOnce();
    char* const block = touchedBlock(8 << 20);
    char* const fence = touchedBlock(4096);  // the heap cannot shrink past it
    ASSERT_NE(block, nullptr);
    ASSERT_NE(fence, nullptr);
    const long before = residentAnonymousKb();
    std::free(block);
    const long after = residentAnonymousKb();
    std::free(fence);
    EXPECT_GT(before - after, 4 * 1024) << before << " kB before, " << after << " kB after";
}

}  // namespace
