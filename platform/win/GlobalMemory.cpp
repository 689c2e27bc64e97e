#include "platform/win/GlobalMemory.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

struct GlobalBlock {
    // std::malloc'ed, or mapped when `mapped` is not 0; null for zero bytes.
    BYTE* data = nullptr;
    SIZE_T size = 0;
    UINT flags = 0;
    UINT locks = 0;
    // The length of the mapping of a large block; it stays mapped.
    SIZE_T mapped = 0;
};

namespace {

constexpr SIZE_T kMaxBlockSize = 0x7FFFFFFF;

// Every live block: a handle is only dereferenced after it was found here, so
// a null, freed or foreign handle is answered without touching memory.
struct Registry {
    std::mutex mutex;
    std::unordered_set<GlobalBlock*> blocks;
};

Registry& Blocks() {
    static Registry* registry = new Registry; // outlives every static destructor
    return *registry;
}

bool IsLive(Registry& r, HGLOBAL block) {
    return block != nullptr && r.blocks.count(block) != 0;
}

// A drawing's block runs to hundreds of megabytes and grows while a
// plug-in writes it. Large blocks are mappings of their own: growing one
// remaps its pages instead of copying them, its new pages come zeroed, and
// the system is offered huge pages for it, as faulting it in page by page
// costs more than filling it.
constexpr SIZE_T kMappedBlock = SIZE_T{1} << 20;
constexpr SIZE_T kPage = 4096;

SIZE_T MappedLength(SIZE_T bytes) {
    return (bytes + kPage - 1) / kPage * kPage;
}

BYTE* Map(SIZE_T length) {
    void* data = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (data == MAP_FAILED)
        return nullptr;
    // The whole mapping, which a remap carries along: advice on a part of
    // it would split it, and a split mapping cannot be remapped.
    madvise(data, length, MADV_HUGEPAGE);
    return static_cast<BYTE*>(data);
}

// A large block's new size: its mapping grows or shrinks to it. Bytes past
// the old size are zero: those of fresh pages by the system, those left in
// the old last page by hand.
bool Remap(GlobalBlock* block, SIZE_T bytes) {
    const SIZE_T length = MappedLength(bytes);
    if (length != block->mapped) {
        void* data = mremap(block->data, block->mapped, length, MREMAP_MAYMOVE);
        if (data == MAP_FAILED)
            return false;
        block->data = static_cast<BYTE*>(data);
        block->mapped = length;
    }
    if (bytes > block->size)
        std::memset(block->data + block->size, 0,
                    std::min(bytes, MappedLength(block->size)) - block->size);
    block->size = bytes;
    return true;
}

// A small block that grows large moves into a mapping of its own.
bool MoveToMapping(GlobalBlock* block, SIZE_T bytes) {
    BYTE* data = Map(MappedLength(bytes));
    if (!data)
        return false;
    if (block->data)
        std::memcpy(data, block->data, std::min(block->size, bytes));
    std::free(block->data);
    block->data = data;
    block->mapped = MappedLength(bytes);
    block->size = bytes;
    return true;
}

void Release(GlobalBlock* block) {
    if (block->mapped)
        munmap(block->data, block->mapped);
    else
        std::free(block->data);
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
    if (bytes > kMaxBlockSize)
        return nullptr;
    BYTE* data = nullptr;
    SIZE_T mapped = 0;
    if (bytes >= kMappedBlock) {
        mapped = MappedLength(bytes);
        data = Map(mapped);
    } else if (bytes > 0) {
        data = static_cast<BYTE*>(std::calloc(bytes, 1));
    }
    if (bytes > 0 && !data)
        return nullptr;
    auto* block = new GlobalBlock;
    block->data = data;
    block->size = bytes;
    block->mapped = mapped;
    block->flags = flags & (GMEM_MOVEABLE | GMEM_DISCARDABLE | GMEM_SHARE);
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.blocks.insert(block);
    return block;
}

HGLOBAL GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!IsLive(r, block))
        return nullptr;
    if (flags & GMEM_MODIFY) {
        block->flags = (block->flags & ~(GMEM_MOVEABLE | GMEM_DISCARDABLE)) |
                       (flags & (GMEM_MOVEABLE | GMEM_DISCARDABLE));
        return block;
    }
    if (bytes > kMaxBlockSize)
        return nullptr;
    if (bytes == block->size)
        return block;
    if (bytes == 0) {
        Release(block);
        block->data = nullptr;
        block->size = 0;
        block->mapped = 0;
        return block;
    }
    if (block->mapped)
        return Remap(block, bytes) ? block : nullptr;
    if (bytes >= kMappedBlock)
        return MoveToMapping(block, bytes) ? block : nullptr;
    auto* data = static_cast<BYTE*>(std::realloc(block->data, bytes));
    if (!data)
        return nullptr;
    if (bytes > block->size)
        std::memset(data + block->size, 0, bytes - block->size);
    block->data = data;
    block->size = bytes;
    return block;
}

HGLOBAL GlobalFree(HGLOBAL block) {
    Registry& r = Blocks();
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        if (!IsLive(r, block))
            return block;
        r.blocks.erase(block);
    }
    Release(block);
    delete block;
    return nullptr;
}

void* GlobalLock(HGLOBAL block) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!IsLive(r, block) || block->size == 0)
        return nullptr;
    ++block->locks;
    return block->data;
}

BOOL GlobalUnlock(HGLOBAL block) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!IsLive(r, block) || block->locks == 0)
        return FALSE;
    --block->locks;
    return block->locks > 0 ? TRUE : FALSE;
}

SIZE_T GlobalSize(HGLOBAL block) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    return IsLive(r, block) ? block->size : 0;
}

BOOL GlobalDiscardHead(HGLOBAL block, SIZE_T bytes) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!IsLive(r, block))
        return FALSE;
    // Dropping pages changes no flag of the mapping, so it is not split and
    // can still be remapped.
    const SIZE_T pages = std::min(bytes, block->size) / kPage * kPage;
    if (block->mapped && pages > 0)
        madvise(block->data, pages, MADV_DONTNEED);
    return TRUE;
}

UINT GlobalFlags(HGLOBAL block) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!IsLive(r, block))
        return GMEM_INVALID_HANDLE;
    UINT result = block->locks > 0xFF ? 0xFF : block->locks;
    result |= block->flags & GMEM_DISCARDABLE;
    if (block->size == 0 && (block->flags & GMEM_MOVEABLE))
        result |= GMEM_DISCARDED;
    return result;
}

HGLOBAL GlobalHandle(const void* data) {
    if (!data)
        return nullptr;
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    for (GlobalBlock* block : r.blocks) {
        if (block->data == data)
            return block;
    }
    return nullptr;
}
