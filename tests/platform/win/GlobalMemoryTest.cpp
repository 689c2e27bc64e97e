// Global memory blocks: exact sizes, zeroed memory, lock counts, and handles
// that are null or already freed.
#include "platform/win/GlobalMemory.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

TEST(GlobalMemoryTest, FlagValues) {
    EXPECT_EQ(GMEM_FIXED, 0u);
    EXPECT_EQ(GMEM_MOVEABLE, 0x2u);
    EXPECT_EQ(GMEM_ZEROINIT, 0x40u);
    EXPECT_EQ(GMEM_SHARE, 0x2000u);
    EXPECT_EQ(GHND, 0x42u);
    EXPECT_EQ(GPTR, 0x40u);
}

TEST(GlobalMemoryTest, AllocZeroInitAndExactSize) {
    HGLOBAL h = GlobalAlloc(GHND, 1000);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 1000u);
    auto* p = static_cast<BYTE*>(GlobalLock(h));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(p[i], 0) << i;
    EXPECT_EQ(GlobalHandle(p), h);
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GlobalFree(h), nullptr);

    HGLOBAL odd = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, 4097);
    EXPECT_EQ(GlobalSize(odd), 4097u);
    EXPECT_EQ(GlobalFree(odd), nullptr);
}

TEST(GlobalMemoryTest, LocksAreCounted) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 8);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);
    void* a = GlobalLock(h);
    void* b = GlobalLock(h);
    EXPECT_EQ(a, b);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 2u);
    EXPECT_TRUE(GlobalUnlock(h));  // still locked once
    EXPECT_FALSE(GlobalUnlock(h)); // now unlocked
    EXPECT_FALSE(GlobalUnlock(h)); // was not locked
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);
    GlobalLock(h);
    EXPECT_EQ(GlobalFree(h), nullptr); // freed even while locked
}

TEST(GlobalMemoryTest, ReAllocKeepsContentsAndZeroFillsGrowth) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(h), "abcd", 4);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalReAlloc(h, 10000, GMEM_MOVEABLE | GMEM_ZEROINIT), h);
    EXPECT_EQ(GlobalSize(h), 10000u);
    auto* p = static_cast<BYTE*>(GlobalLock(h));
    EXPECT_EQ(std::memcmp(p, "abcd", 4), 0);
    for (int i = 4; i < 10000; ++i)
        ASSERT_EQ(p[i], 0) << i;
    GlobalUnlock(h);
    EXPECT_EQ(GlobalReAlloc(h, 2, GMEM_MOVEABLE), h);
    EXPECT_EQ(GlobalSize(h), 2u);
    p = static_cast<BYTE*>(GlobalLock(h));
    EXPECT_EQ(p[0], 'a');
    EXPECT_EQ(p[1], 'b');
    GlobalUnlock(h);
    // Growing again: the bytes cut off before come back as zeros.
    GlobalReAlloc(h, 4, GMEM_MOVEABLE);
    p = static_cast<BYTE*>(GlobalLock(h));
    EXPECT_EQ(p[2], 0);
    EXPECT_EQ(p[3], 0);
    GlobalUnlock(h);
    // GMEM_MODIFY changes the flags, not the size.
    EXPECT_EQ(GlobalReAlloc(h, 0, GMEM_MODIFY | GMEM_DISCARDABLE), h);
    EXPECT_EQ(GlobalSize(h), 4u);
    EXPECT_TRUE(GlobalFlags(h) & GMEM_DISCARDABLE);
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalMemoryTest, ZeroByteBlocks) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_TRUE(GlobalFlags(h) & GMEM_DISCARDED);
    EXPECT_EQ(GlobalReAlloc(h, 3, GMEM_MOVEABLE), h);
    EXPECT_NE(GlobalLock(h), nullptr);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalReAlloc(h, 0, GMEM_MOVEABLE), h);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalMemoryTest, NullAndFreedHandlesDoNotCrash) {
    EXPECT_EQ(GlobalFree(nullptr), nullptr);
    EXPECT_EQ(GlobalLock(nullptr), nullptr);
    EXPECT_FALSE(GlobalUnlock(nullptr));
    EXPECT_EQ(GlobalSize(nullptr), 0u);
    EXPECT_EQ(GlobalReAlloc(nullptr, 10, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalFlags(nullptr), GMEM_INVALID_HANDLE);
    EXPECT_EQ(GlobalHandle(nullptr), nullptr);

    HGLOBAL h = GlobalAlloc(GPTR, 16);
    ASSERT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GlobalReAlloc(h, 32, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalFlags(h), GMEM_INVALID_HANDLE);
    EXPECT_EQ(GlobalFree(h), h); // not a live block: failure returns the handle
}

TEST(GlobalMemoryTest, HugeRequestsFail) {
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, SIZE_T(0x80000000u)), nullptr);
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 1);
    EXPECT_EQ(GlobalReAlloc(h, SIZE_T(0x80000000u), GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalSize(h), 1u); // unchanged
    GlobalFree(h);
}

// A block that a plug-in grows to hundreds of megabytes: across small and
// large sizes it keeps its contents, its growth reads as zero (also after it
// shrank inside one page), and its handle and size stay exact.
TEST(GlobalMemoryTest, GrowingAndShrinkingKeepsContentsAndZerosTheGrowth) {
    struct Step {
        const char* name;
        SIZE_T size;
    };
    HGLOBAL h = GlobalAlloc(GHND, 3000);
    ASSERT_NE(h, nullptr);
    SIZE_T filled = 0;
    for (const Step& step : {Step{"small to large", (SIZE_T{3} << 20) + 5},
                             Step{"large to larger", (SIZE_T{9} << 20) + 4093},
                             Step{"shrink inside the last page", (SIZE_T{9} << 20) + 100},
                             Step{"grow again over the page end", (SIZE_T{9} << 20) + 9000},
                             Step{"shrink below the large size", 2000},
                             Step{"grow from there", (SIZE_T{2} << 20) + 1}}) {
        SCOPED_TRACE(step.name);
        auto* before = static_cast<BYTE*>(GlobalLock(h));
        for (SIZE_T i = 0; i < GlobalSize(h); ++i)
            before[i] = static_cast<BYTE>(i % 251 + 1);
        filled = GlobalSize(h);
        GlobalUnlock(h);

        ASSERT_EQ(GlobalReAlloc(h, step.size, GMEM_MOVEABLE), h);
        ASSERT_EQ(GlobalSize(h), step.size);
        auto* data = static_cast<BYTE*>(GlobalLock(h));
        EXPECT_EQ(GlobalHandle(data), h);
        const SIZE_T kept = std::min(filled, step.size);
        for (SIZE_T i = 0; i < kept; ++i)
            ASSERT_EQ(data[i], static_cast<BYTE>(i % 251 + 1)) << i;
        for (SIZE_T i = kept; i < step.size; ++i)
            ASSERT_EQ(data[i], 0) << i;
        GlobalUnlock(h);
    }
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
}

TEST(GlobalMemoryTest, LargeBlockStartsZeroedAndFreesToZeroBytes) {
    const SIZE_T size = (SIZE_T{5} << 20) + 3;
    HGLOBAL h = GlobalAlloc(GHND, size);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), size);
    auto* data = static_cast<BYTE*>(GlobalLock(h));
    EXPECT_EQ(data[0], 0);
    EXPECT_EQ(data[size - 1], 0);
    data[size - 1] = 7;
    GlobalUnlock(h);
    ASSERT_EQ(GlobalReAlloc(h, 0, GMEM_MOVEABLE), h);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(GlobalLock(h), nullptr);
    ASSERT_EQ(GlobalReAlloc(h, size, GMEM_MOVEABLE), h);
    data = static_cast<BYTE*>(GlobalLock(h));
    EXPECT_EQ(data[size - 1], 0);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
}

// Whether each page of the range is in memory.
std::vector<bool> ResidentPages(const BYTE* data, std::size_t bytes) {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> states((bytes + page - 1) / page);
    EXPECT_EQ(mincore(const_cast<BYTE*>(data), bytes, states.data()), 0);
    std::vector<bool> resident;
    for (unsigned char state : states)
        resident.push_back((state & 1) != 0);
    return resident;
}

TEST(GlobalMemoryTest, DiscardingTheHeadOfALargeBlockGivesBackItsWholePagesOnly) {
    const SIZE_T page = 4096;
    const SIZE_T size = (SIZE_T{2} << 20) + 5;
    HGLOBAL h = GlobalAlloc(GHND, size);
    ASSERT_NE(h, nullptr);
    auto* data = static_cast<BYTE*>(GlobalLock(h));
    std::memset(data, 0xAB, size);
    ASSERT_EQ(GlobalDiscardHead(h, 3 * page + 100), TRUE);

    const std::vector<bool> resident = ResidentPages(data, 5 * page);
    EXPECT_EQ(resident, (std::vector<bool>{false, false, false, true, true}));
    EXPECT_EQ(GlobalSize(h), size);
    EXPECT_EQ(data[3 * page - 1], 0);
    EXPECT_EQ(data[3 * page], 0xAB);
    EXPECT_EQ(data[size - 1], 0xAB);

    // The head can be longer than the block: its partial last page stays.
    ASSERT_EQ(GlobalDiscardHead(h, size + page), TRUE);
    EXPECT_EQ(data[size - 1], 0xAB);
    EXPECT_EQ(data[size - size % page - 1], 0);
    GlobalUnlock(h);
    // The block still grows with zeros behind its kept bytes.
    ASSERT_EQ(GlobalReAlloc(h, size + 3 * page, GMEM_MOVEABLE), h);
    data = static_cast<BYTE*>(GlobalLock(h));
    EXPECT_EQ(data[size - 1], 0xAB);
    EXPECT_EQ(data[size], 0);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalMemoryTest, DiscardingTheHeadOfASmallBlockKeepsItsBytes) {
    HGLOBAL h = GlobalAlloc(GHND, 10000);
    ASSERT_NE(h, nullptr);
    auto* data = static_cast<BYTE*>(GlobalLock(h));
    std::memset(data, 0x5A, 10000);
    EXPECT_EQ(GlobalDiscardHead(h, 9000), TRUE);
    EXPECT_TRUE(std::all_of(data, data + 10000, [](BYTE b) { return b == 0x5A; }));
    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalDiscardHead(h, 1), FALSE);
    EXPECT_EQ(GlobalDiscardHead(nullptr, 1), FALSE);
}

} // namespace
