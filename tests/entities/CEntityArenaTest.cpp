// The entity arena: blocks of every size class are aligned, do not overlap,
// are reused after a free within their class only, and sizes above the
// largest class go to the global heap.
#include "entities/CEntityArena.h"

#include "entities/CRukLine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

bool Aligned(const void* memory) {
    return reinterpret_cast<std::uintptr_t>(memory) % CEntityArena::kAlignment == 0;
}

TEST(CEntityArenaTest, BlocksAreAlignedAndDoNotOverlap) {
    CEntityArena arena;
    struct Block {
        std::byte* memory;
        std::size_t size;
    };
    std::vector<Block> blocks;
    // Enough blocks to fill more than one slab.
    for (std::size_t i = 0; i < 40000; ++i) {
        const std::size_t size = 1 + (i * 37) % CEntityArena::kLargest;
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

TEST(CEntityArenaTest, FreedBlockServesTheNextRequestOfItsClassOnly) {
    CEntityArena arena;
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

TEST(CEntityArenaTest, LargeRequestsUseTheGlobalHeap) {
    CEntityArena arena;
    const std::size_t size = CEntityArena::kLargest + 1;
    void* memory = arena.Allocate(size);
    ASSERT_NE(memory, nullptr);
    std::memset(memory, 0x5A, size);
    // The address sanitizer reports a block the global heap did not give.
    arena.Free(memory, size);
    arena.Free(nullptr, 16);
}

TEST(CEntityArenaTest, EntitiesAreMadeAndDeletedThroughTheirOwnOperators) {
    std::vector<std::unique_ptr<CRukEntity>> lines;
    for (int i = 0; i < 1000; ++i) {
        auto line = std::make_unique<CRukLine>();
        line->m_x1 = i;
        line->m_layerName = "a layer name longer than the string keeps inside itself";
        lines.push_back(std::move(line));
    }
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(lines[static_cast<std::size_t>(i)]->m_x1, i);
}

} // namespace
