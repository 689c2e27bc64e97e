#include "platform/mfc/CSmallBlockArena.h"
#include "platform/mfc/AddressSanitizer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

// Whole huge pages, so that the system can back them as such.
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kSlabSize = 4 * kHugePage;

constexpr bool kSanitized = ZUMEO_ADDRESS_SANITIZER != 0;

CSmallBlockArena& Shared() {
    // Never destroyed: its objects may outlive every static object.
    static auto* arena = new CSmallBlockArena;
    return *arena;
}

} // namespace

CSmallBlockArena::~CSmallBlockArena() {
    for (std::byte* slab : m_slabs)
        munmap(slab, kSlabSize);
}

std::size_t CSmallBlockArena::ClassOf(std::size_t size) {
    return (std::max<std::size_t>(size, 1) + kAlignment - 1) / kAlignment;
}

// A slab aligned to a huge page: the mapping is made larger and trimmed.
void CSmallBlockArena::NewSlab() {
    const std::size_t mapped = kSlabSize + kHugePage;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start)
        munmap(raw, aligned - start);
    const std::uintptr_t tail = aligned + kSlabSize;
    if (start + mapped > tail)
        munmap(reinterpret_cast<void*>(tail), start + mapped - tail);
    auto* slab = reinterpret_cast<std::byte*>(aligned);
    // Only advice: without huge pages the slab works all the same.
    madvise(slab, kSlabSize, MADV_HUGEPAGE);
    m_slabs.push_back(slab);
    m_next = slab;
    m_end = slab + kSlabSize;
}

void* CSmallBlockArena::Allocate(std::size_t size) {
    if (size > kLargest)
        return ::operator new(size);
    const std::size_t sizeClass = ClassOf(size);
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (FreeBlock* block = m_freed[sizeClass]) {
        m_freed[sizeClass] = block->next;
        return block;
    }
    const std::size_t bytes = sizeClass * kAlignment;
    // The rest of a full slab, less than one block, stays unused.
    if (static_cast<std::size_t>(m_end - m_next) < bytes)
        NewSlab();
    void* memory = m_next;
    m_next += bytes;
    return memory;
}

void CSmallBlockArena::Free(void* memory, std::size_t size) {
    if (!memory)
        return;
    if (size > kLargest) {
        ::operator delete(memory);
        return;
    }
    const std::size_t sizeClass = ClassOf(size);
    const std::lock_guard<std::mutex> lock(m_mutex);
    auto* block = static_cast<FreeBlock*>(memory);
    block->next = m_freed[sizeClass];
    m_freed[sizeClass] = block;
}

void* CSmallBlockArena::AllocateShared(std::size_t size) {
    return kSanitized ? ::operator new(size) : Shared().Allocate(size);
}

void CSmallBlockArena::FreeShared(void* memory, std::size_t size) {
    if (kSanitized)
        ::operator delete(memory);
    else
        Shared().Free(memory, size);
}
