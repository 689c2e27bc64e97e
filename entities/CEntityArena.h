#pragma once
// The memory of the drawing's entities. A drawing holds them by the
// million, a few hundred bytes each, and on a large drawing the page faults
// of fresh memory cost more than building the entities: they are carved
// from large slabs that the system may back with huge pages. The memory of
// a freed entity is kept for the next one of its size class; the slabs go
// with the arena, and the shared arena stays with the process. Safe to use
// from several threads.

#include <array>
#include <cstddef>
#include <mutex>
#include <vector>

class CEntityArena {
public:
    // Larger requests go to the global operator new.
    static constexpr std::size_t kLargest = 2048;
    // Every block is aligned for any object.
    static constexpr std::size_t kAlignment = alignof(std::max_align_t);

    CEntityArena() = default;
    CEntityArena(const CEntityArena&) = delete;
    CEntityArena& operator=(const CEntityArena&) = delete;
    ~CEntityArena();

    void* Allocate(std::size_t size);
    // The size asked for when the memory was allocated.
    void Free(void* memory, std::size_t size);

    // The entities' own operator new and delete: the shared arena, or the
    // global operators under the address sanitizer, which must see every
    // block to find a use after free or a leak.
    static void* AllocateEntity(std::size_t size);
    static void FreeEntity(void* memory, std::size_t size);

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
