#pragma once
// Memory for small objects made by the million: a large drawing's
// entities. On such a drawing the page faults of fresh memory cost more
// than building the objects, so blocks are carved from large slabs that the
// system may back with huge pages. A freed block
// is kept for the next one of its size class; the slabs go with the arena,
// and the shared arena stays with the process. Safe to use from several
// threads.

#include <array>
#include <cstddef>
#include <mutex>
#include <vector>

class CSmallBlockArena {
public:
    // Larger requests go to the global operator new.
    static constexpr std::size_t kLargest = 2048;
    // Every block is aligned for any object.
    static constexpr std::size_t kAlignment = alignof(std::max_align_t);

    CSmallBlockArena() = default;
    CSmallBlockArena(const CSmallBlockArena&) = delete;
    CSmallBlockArena& operator=(const CSmallBlockArena&) = delete;
    ~CSmallBlockArena();

    void* Allocate(std::size_t size);
    // The size asked for when the memory was allocated.
    void Free(void* memory, std::size_t size);

    // For the class operators new and delete of such objects: the shared
    // arena, or the global operators under the address sanitizer, which
    // must see every block to find a use after free or a leak.
    static void* AllocateShared(std::size_t size);
    static void FreeShared(void* memory, std::size_t size);

private:
    struct FreeBlock {
        FreeBlock* next;
    };
    static constexpr std::size_t kClasses = kLargest / kAlignment + 1;

    static std::size_t ClassOf(std::size_t size);
    void NewSlab();

    std::mutex m_mutex;
    std::array<FreeBlock*, kClasses> m_freed{};
    std::byte* m_next = nullptr;
    std::byte* m_end = nullptr;
    std::vector<std::byte*> m_slabs;
};
