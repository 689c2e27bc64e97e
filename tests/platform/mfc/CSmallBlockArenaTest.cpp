// The small-block arena: blocks of every size class are aligned, do not overlap,
// are reused after a free within their class only, and sizes above the
// largest class go to the global heap.
#include "platform/mfc/CSmallBlockArena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

bool Aligned(const void* memory) {
    return reinterpret_cast<std::uintptr_t>(memory) % CSmallBlockArena::kAlignment == 0;
}

TEST(CSmallBlockArenaTest, BlocksAreAlignedAndDoNotOverlap) {
    CSmallBlockArena arena;
    struct Block {
        std::byte* memory;
        std::size_t size;
    };
    std::vector<Block> blocks;
    // Enough blocks to fill more than one slab.
    for (std::size_t i = 0; i < 40000; ++i) {
        const std::size_t size = 1 + (i * 37) % CSmallBlockArena::kLargest;
        auto* memory = static_cast<std::byte*>(arena.Allocate(size));
        ASSERT_TRUE(Aligned(memory)) << size;
        std::memset(memory, static_cast<int>(i % 251), size);
        blocks.push_back({memory, size});
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& block = blocks[i];
        EXPECT_EQ(block.memory[0], static_cast<std::byte>(i % 251)) << i;
        EXPECT_EQ(block.memory[block.size - 1], static_cast<std::byte>(i % 251)) << i;
    }
    for (const Block& block : blocks)
        arena.Free(block.memory, block.size);
}

TEST(CSmallBlockArenaTest, FreedBlockServesTheNextRequestOfItsClassOnly) {
    CSmallBlockArena arena;
    void* first = arena.Allocate(488);
    arena.Free(first, 488);
    // 500 rounds to a larger class than 488 does.
    void* other = arena.Allocate(500);
    EXPECT_NE(other, first);
    // 481 rounds to the class of 488.
    EXPECT_EQ(arena.Allocate(481), first);
    arena.Free(other, 500);
    arena.Free(first, 481);
}

TEST(CSmallBlockArenaTest, LargeRequestsUseTheGlobalHeap) {
    CSmallBlockArena arena;
    const std::size_t size = CSmallBlockArena::kLargest + 1;
    void* memory = arena.Allocate(size);
    ASSERT_NE(memory, nullptr);
    std::memset(memory, 0x5A, size);
    // The address sanitizer reports a block the global heap did not give.
    arena.Free(memory, size);
    arena.Free(nullptr, 16);
}

} // namespace
